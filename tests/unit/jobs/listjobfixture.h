// SPDX-License-Identifier: MIT
#pragma once

#include "adapters/sitetable.h"
#include "core/seams/browserbridge.h"
#include "core/seams/keystate.h"
#include "core/seams/recordingobserver.h"
#include "core/seams/shell.h"
#include "core/seams/userprompt.h"
#include "core/session.h"
#include "jobs/listjob.h"
#include "net/netconfig.h"
#include "net/recordingpacer.h"
#include "support/engineroutes.h"
#include "support/fakesite.h"
#include "support/testtls.h"
#include "testsite.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace phodex::test {

// The album-list job over the real site table plus the test site, against the
// loopback fake site, with every seam recording.
class ListJobTest : public ::testing::Test {
protected:
    void SetUp() override {
        RouteEngineTo(site);
        ASSERT_TRUE(workDir.isValid());
        session.workDir = workDir.path() + QLatin1Char('/');
        session.ready = true;
        AddTestSite(table);
    }

    // The Get List button and a wait for the job's thread, as the window does it.
    ListJobResult runList(const QString& address, Category listType = kTestSiteListType,
                          int subTypeBox = kNoSubType) {
        EXPECT_EQ(job.pressGetList(ListJobRequest{address, listType, subTypeBox}),
                  ListStart::Started);
        job.wait();
        return job.lastResult();
    }

    QStringList albumNames() const {
        QStringList names;
        for (const AlbumInfo& album : session.albums.snapshot())
            names << album.name;
        return names;
    }

    FakeSite site;
    RecordingPacer pauses;
    ScopedPacer pacerScope{pauses};
    QTemporaryDir workDir;
    Session session;
    SiteTable table = MakeSiteTable();
    RecordingJobObserver observer;
    ScriptedUserPrompt prompt;
    NullBrowserBridge browser;
    FixedKeyState keys;
    RecordingShell shell;
    JobEnv env{session, table, observer, prompt, browser, keys, shell};
    int downloadPresses = 0;
    ListJob job{env, [this] { ++downloadPresses; }};
};

} // namespace phodex::test
