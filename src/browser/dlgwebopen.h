// SPDX-License-Identifier: MIT
#pragma once

#include "browser/browserdialog.h"

#include <QTimer>

namespace phodex {

class Session;

// The site login window: the user logs in on the site's own page and closes
// the window; the login's cookies reach the engine through the shared jar.
// Closed by the user on a QQ page, it first reads the page's QQ Zone token
// into the session. Open it modeless with show(), or modal with open().
class CDlgWebOpen : public BrowserDialog {
    Q_OBJECT
public:
    // One "second" of the close timer.
    static constexpr int kTickMs = 1000;
    // The longest the window waits for the page when reading the token.
    static constexpr int kTokenReadMs = 5000;

    CDlgWebOpen(BrowserEnvironment& env, Session* session, QWidget* owner = nullptr);

    // The page to open; with none, the field shows the clipboard's text and
    // nothing opens until "打开" is pressed.
    void setAddress(const QString& address) { m_address = address; }
    QString address() const { return m_address; }
    // With seconds > 0 the window closes itself, with result 1, at the tick
    // after `seconds` ticks (login mode 4: about five seconds).
    void setCloseAfter(int seconds) { m_closeAfter = seconds; }
    void setTickMs(int ms) { m_tickMs = ms; }
    int ticks() const { return m_ticks; }

    // The user's close: the QQ Zone token first, when the page is a QQ page.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void initialise();
    void openTyped();
    void tick();
    void keepToken(const QString& bodyHtml);

    Session* m_session;
    QString m_address;
    int m_closeAfter = 0;
    int m_ticks = 0;
    int m_tickMs = kTickMs;
    bool m_initialised = false;
    bool m_openWhenReady = false;
    bool m_closing = false;
    QTimer m_closeTimer;
};

} // namespace phodex
