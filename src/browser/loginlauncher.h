// SPDX-License-Identifier: MIT
#pragma once

#include "browser/dlgwebopen.h"
#include "browser/logintable.h"

#include <QObject>
#include <QPointer>

class QWidget;

namespace phodex {

class BrowserEnvironment;
class CDlgWeb;
class Session;

// Opens the login windows of the login menu. At most one modeless site login
// window exists: opening any login window destroys it first.
class LoginLauncher : public QObject {
    Q_OBJECT
public:
    LoginLauncher(BrowserEnvironment& env, Session* session, QWidget* owner);
    ~LoginLauncher() override;

    // The item's window on its first page. `modeless` is "登录方式1" (the
    // site login windows only; the browser window is always modal).
    void open(const LoginItem& item, const LoginRequest& request, bool modeless);
    // A site login window: modeless, owned by the main window and kept until
    // the next login; or modal without owner, gone when closed.
    CDlgWebOpen* openSiteLogin(const QString& address, bool modeless);
    // The browser login window, modal, gone when closed.
    CDlgWeb* openBrowserLogin(const QString& address);

    // The modeless site login window, while it exists.
    CDlgWebOpen* loginWindow() const { return m_loginWindow; }

private:
    void destroyLoginWindow();

    BrowserEnvironment& m_env;
    Session* m_session;
    QPointer<QWidget> m_owner;
    QPointer<CDlgWebOpen> m_loginWindow;
};

} // namespace phodex
