// SPDX-License-Identifier: MIT
#include "browser/browserenv.h"

#include "browser/browserpage.h"
#include "browser/cookiemirror.h"
#include "net/cookiejar.h"
#include "settings/makefolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QWebEngineProfile>

namespace phodex {

QString BrowserFailureText(const char* reason, quint32 code) {
    return QString::asprintf("%s (0x%08X)", reason, code);
}

BrowserEnvironment::BrowserEnvironment(const BrowserSetup& setup, QObject* parent)
    : QObject(parent), m_setup(setup), m_jar(setup.jar ? *setup.jar : CookieJar::instance()) {
    if (!helperProgramPresent()) {
        fail(kNoBrowserComponent, kFileNotFoundCode);
        return;
    }
    m_folder = QDir::cleanPath(setup.profileFolder);
    if (setup.profileFolder.isEmpty() || !MakeFolderPath(m_folder + u'/').isEmpty())
        fail(kNoEnvironment, kFailureCode);
}

BrowserEnvironment::~BrowserEnvironment() {
    // The mirror listens to the profile's store: it goes first.
    delete m_mirror;
    delete m_profile;
}

QWebEngineProfile* BrowserEnvironment::profile() {
    if (m_profile || !usable())
        return m_profile;
    m_profile = new QWebEngineProfile(m_setup.storageName, this);
    m_profile->setPersistentStoragePath(m_folder);
    m_profile->setCachePath(m_folder + QStringLiteral("/cache"));
    // Session cookies are logins too; the next run must still be logged in.
    m_profile->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);
    // Some login pages turn away browsers they do not know by name.
    m_profile->setHttpUserAgent(
        m_profile->httpUserAgent().remove(QRegularExpression(QStringLiteral("QtWebEngine/\\S+ "))));
    m_mirror = new CookieMirror(m_profile->cookieStore(), m_jar, this);
    return m_profile;
}

QWebEnginePage* BrowserEnvironment::newPage(QObject* parent) {
    QWebEngineProfile* made = profile();
    return made ? new BrowserPage(made, parent) : nullptr;
}

void BrowserEnvironment::notifyFailure(const QString& text) const {
    if (m_setup.failureNotice)
        m_setup.failureNotice(text);
    else
        QMessageBox::critical(nullptr, QStringLiteral("Failure"), text);
}

bool BrowserEnvironment::helperProgramPresent() const {
    QString helper = qEnvironmentVariable("QTWEBENGINEPROCESS_PATH");
    if (helper.isEmpty())
        helper = QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) +
                 QStringLiteral("/QtWebEngineProcess");
    return QFileInfo(helper).isExecutable();
}

void BrowserEnvironment::fail(const char* reason, quint32 code) {
    m_failure = BrowserFailureText(reason, code);
}

} // namespace phodex
