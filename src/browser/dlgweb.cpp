// SPDX-License-Identifier: MIT
#include "browser/dlgweb.h"

#include "browser/addressbar.h"
#include "browser/browseraddress.h"

namespace phodex {

CDlgWeb::CDlgWeb(BrowserEnvironment& env, QWidget* owner)
    : BrowserDialog(env, owner, QStringLiteral("Albrio")) {
    setModal(true);
    connect(addressBar(), &AddressBar::openRequested, this, &CDlgWeb::openTyped);
}

void CDlgWeb::showEvent(QShowEvent* event) {
    if (!m_initialised) {
        m_initialised = true;
        centreOnOwner();
        addressBar()->setText(m_address);
        startBrowser([this] { created(); });
    }
    BrowserDialog::showEvent(event);
}

void CDlgWeb::created() {
    browser().setTitleCallback([this](const QString& title) { setWindowTitle(title); });
    browser().navigate(m_address);
}

void CDlgWeb::openTyped() {
    m_address = TypedBrowserAddress(addressBar()->text());
    browser().navigate(m_address);
}

} // namespace phodex
