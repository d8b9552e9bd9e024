// SPDX-License-Identifier: MIT
#include "browser/hostoperation.h"

#include "browser/browseraddress.h"
#include "browser/webbrowser.h"

namespace phodex {

HostOperation::HostOperation(CWebBrowser& host, int totalMs) : QObject(&host), m_host(&host) {
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(std::max(totalMs, 0));
    connect(&m_deadline, &QTimer::timeout, this, [this] { finish(false); });
    // The host owns the operation: when it goes, the caller still hears.
    connect(&host, &QObject::destroyed, this, [this] {
        m_hostGone = true;
        finish(false);
    });
    QTimer::singleShot(0, this, &HostOperation::start);
}

void HostOperation::start() {
    m_deadline.start();
    switch (m_host->state()) {
    case CWebBrowser::State::Ready:
        begin();
        return;
    case CWebBrowser::State::Creating:
        connect(m_host, &CWebBrowser::created, this, &HostOperation::begin);
        connect(m_host, &CWebBrowser::creationFailed, this, [this] { finish(false); });
        return;
    case CWebBrowser::State::Empty:
    case CWebBrowser::State::Failed:
        finish(false);
        return;
    }
}

void HostOperation::finish(bool ok) {
    if (m_finished)
        return;
    m_finished = true;
    m_deadline.stop();
    // A blank page stops the page's scripts and network use in the background.
    if (host() && host()->isReady())
        host()->navigate(QString::fromLatin1(kBlankPage));
    answer(ok);
    deleteLater();
}

int HostOperation::remainingMs() const {
    return m_deadline.isActive() ? m_deadline.remainingTime() : 0;
}

} // namespace phodex
