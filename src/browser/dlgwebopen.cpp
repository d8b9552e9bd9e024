// SPDX-License-Identifier: MIT
#include "browser/dlgwebopen.h"

#include "browser/addressbar.h"
#include "browser/qzonetoken.h"
#include "core/seams/browserbridge.h"
#include "core/session.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPointer>

namespace phodex {

CDlgWebOpen::CDlgWebOpen(BrowserEnvironment& env, Session* session, QWidget* owner)
    : BrowserDialog(env, owner,
                    tr("登录成功后请将该登录窗口关闭，如果没有看到登录的地方，"
                       "可将该窗口最大化")),
      m_session(session) {
    connect(addressBar(), &AddressBar::openRequested, this, &CDlgWebOpen::openTyped);
    connect(&m_closeTimer, &QTimer::timeout, this, &CDlgWebOpen::tick);
}

void CDlgWebOpen::showEvent(QShowEvent* event) {
    if (!m_initialised) {
        m_initialised = true;
        initialise();
    }
    BrowserDialog::showEvent(event);
}

void CDlgWebOpen::initialise() {
    centreOnOwner();
    startBrowser([this] {
        if (m_openWhenReady)
            browser().navigate(m_address);
    });
    if (!m_address.isEmpty()) {
        addressBar()->setText(m_address);
        openTyped();
    } else if (const QClipboard* clipboard = QGuiApplication::clipboard()) {
        addressBar()->setText(clipboard->text());
    }
    if (m_closeAfter > 0)
        m_closeTimer.start(m_tickMs);
}

void CDlgWebOpen::openTyped() {
    m_address = addressBar()->text();
    if (browser().isReady())
        browser().navigate(m_address);
    else
        m_openWhenReady = true;
}

void CDlgWebOpen::tick() {
    if (m_ticks >= m_closeAfter) {
        m_closeTimer.stop();
        done(1);
        return;
    }
    ++m_ticks;
}

void CDlgWebOpen::reject() {
    if (m_closing)
        return;
    if (!m_session || !IsQqPageAddress(browser().currentAddress())) {
        BrowserDialog::reject();
        return;
    }
    m_closing = true;
    QPointer<CDlgWebOpen> self = this;
    browser().pageText(true, kTokenReadMs, [self](const QString& bodyHtml) {
        if (!self)
            return;
        self->keepToken(bodyHtml);
        self->m_closing = false;
        self->BrowserDialog::reject();
    });
}

void CDlgWebOpen::keepToken(const QString& bodyHtml) {
    const QString token = ExtractQzonePageToken(bodyHtml);
    if (!token.isEmpty())
        m_session->siteValues().setValue(kQzonePageTokenKey, token);
}

} // namespace phodex
