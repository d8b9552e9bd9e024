// SPDX-License-Identifier: MIT
#include "browser/loginlauncher.h"

#include "browser/dlgweb.h"
#include "browser/dlgwebopen.h"

namespace phodex {

LoginLauncher::LoginLauncher(BrowserEnvironment& env, Session* session, QWidget* owner)
    : QObject(owner), m_env(env), m_session(session), m_owner(owner) {}

LoginLauncher::~LoginLauncher() {
    destroyLoginWindow();
}

void LoginLauncher::open(const LoginItem& item, const LoginRequest& request, bool modeless) {
    const QString page = LoginInitialPage(item, request);
    if (item.window == LoginWindow::Browser)
        openBrowserLogin(page);
    else
        openSiteLogin(page, modeless);
}

CDlgWebOpen* LoginLauncher::openSiteLogin(const QString& address, bool modeless) {
    destroyLoginWindow();
    auto* window = new CDlgWebOpen(m_env, m_session, modeless ? m_owner.data() : nullptr);
    window->setAddress(address);
    if (modeless) {
        m_loginWindow = window;
    } else {
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setModal(true);
    }
    window->show();
    return window;
}

CDlgWeb* LoginLauncher::openBrowserLogin(const QString& address) {
    destroyLoginWindow();
    auto* window = new CDlgWeb(m_env, m_owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setAddress(address);
    window->open();
    return window;
}

void LoginLauncher::destroyLoginWindow() {
    delete m_loginWindow.data();
}

} // namespace phodex
