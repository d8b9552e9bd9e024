// SPDX-License-Identifier: MIT
#pragma once

#include "net/netconfig.h"
#include "net/recordingpacer.h"
#include "support/engineroutes.h"
#include "support/fakesite.h"
#include "support/testtls.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

namespace phodex::test {

// A loopback picture site reached under real host names (connect-to rules),
// with every pause recorded instead of spent, and a folder to download into.
class DownloadTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        RouteEngineTo(site);
    }

    // "http://HOST/path": any host name works, the rules send it here.
    static QString url(const std::string& path,
                       const QString& host = QStringLiteral("img.example.com")) {
        return QStringLiteral("http://%1%2").arg(host, QString::fromStdString(path));
    }
    // The download folder, ending with "/".
    QString folder() const { return dir.path() + u'/'; }

    FakeSite site;
    RecordingPacer pauses;
    ScopedPacer pacerScope{pauses};
    QTemporaryDir dir;
};

// A body that is a JPEG by its first bytes.
inline std::string jpegBytes(size_t size, char fill = 'j') {
    std::string body(size, fill);
    body[0] = char(0xFF);
    body[1] = char(0xD8);
    return body;
}

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline QByteArray bytesOf(const std::string& s) {
    return QByteArray(s.data(), qsizetype(s.size()));
}

// Every file below path, relative to it, sorted.
inline QStringList filesBelow(const QString& path) {
    QStringList files;
    const QDir root(path);
    for (const QString& entry :
         root.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (QFileInfo(root.filePath(entry)).isDir()) {
            for (const QString& inner : filesBelow(root.filePath(entry)))
                files << entry + u'/' + inner;
        } else {
            files << entry;
        }
    }
    return files;
}

} // namespace phodex::test
