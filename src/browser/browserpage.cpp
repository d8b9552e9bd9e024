// SPDX-License-Identifier: MIT
#include "browser/browserpage.h"

#include "browser/browsertrust.h"

#include <QWebEngineCertificateError>

namespace phodex {

BrowserPage::BrowserPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent) {
    connect(this, &QWebEnginePage::certificateError, this, [](QWebEngineCertificateError error) {
        if (AcceptRejectedCertificate(error))
            error.acceptCertificate();
        else
            error.rejectCertificate();
    });
}

void BrowserPage::javaScriptAlert(const QUrl&, const QString&) {}

bool BrowserPage::javaScriptConfirm(const QUrl&, const QString&) {
    return false;
}

bool BrowserPage::javaScriptPrompt(const QUrl&, const QString&, const QString&, QString*) {
    return false;
}

void BrowserPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int,
                                           const QString&) {}

} // namespace phodex
