// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWebEnginePage;
class QWebEngineProfile;

namespace phodex {

class CookieJar;
class CookieMirror;

struct BrowserSetup {
    // The profile's folder (settings/workfolder.h: WorkLocations::browserProfile).
    QString profileFolder;
    QString storageName = QStringLiteral("phodex");
    CookieJar* jar = nullptr; // the process's jar when null
    // Shows a failure of the browser; a message box captioned "Failure" when empty.
    std::function<void(const QString& text)> failureNotice;
};

// The one browser profile of the program: persistent, in the profile folder,
// shared by every login window and the invisible host, with its cookies kept
// equal to the cookie jar's. The profile, and with it Chromium's processes,
// is made when a page is first asked for: a program that never needs the
// browser never starts it. Lives on the GUI thread and must outlive every
// page made from it. Call PrepareBrowserProcess first.
class BrowserEnvironment : public QObject {
    Q_OBJECT
public:
    explicit BrowserEnvironment(const BrowserSetup& setup, QObject* parent = nullptr);
    ~BrowserEnvironment() override;

    // False when the browser cannot run; failureText() then says why.
    bool usable() const { return m_failure.isEmpty(); }
    // "<reason> (0x<code>)", "" while usable.
    QString failureText() const { return m_failure; }
    // Made on the first call; nullptr when the browser cannot run.
    QWebEngineProfile* profile();
    // The profile has been made (Chromium runs).
    bool started() const { return m_profile != nullptr; }
    CookieJar& jar() const { return m_jar; }

    // A new page of the profile; nullptr when the browser cannot run.
    QWebEnginePage* newPage(QObject* parent);
    void notifyFailure(const QString& text) const;

private:
    bool helperProgramPresent() const;
    void fail(const char* reason, quint32 code);

    BrowserSetup m_setup;
    QString m_folder;
    CookieJar& m_jar;
    QWebEngineProfile* m_profile = nullptr;
    CookieMirror* m_mirror = nullptr;
    QString m_failure;
};

// The message of a failed browser start, "%s (0x%08X)".
QString BrowserFailureText(const char* reason, quint32 code);

inline constexpr char kNoBrowserComponent[] = "Cannot found the WebView2 component.";
inline constexpr char kNoEnvironment[] = "Cannot create the webview environment.";
inline constexpr char kNoController[] = "Cannot create webview environment.";
inline constexpr quint32 kFileNotFoundCode = 0x80070002;
inline constexpr quint32 kFailureCode = 0x80004005;

} // namespace phodex
