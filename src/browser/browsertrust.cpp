// SPDX-License-Identifier: MIT
#include "browser/browsertrust.h"

#include <QSslCertificate>
#include <QSslConfiguration>
#include <QWebEngineCertificateError>

#include <atomic>

namespace phodex {
namespace {

std::atomic<bool> g_insecure{false};
std::atomic<bool> g_extraAuthorities{false};

} // namespace

bool SetBrowserTrust(const QString& caFile, bool insecure) {
    g_insecure = insecure;
    if (caFile.isEmpty())
        return true;
    // Chromium offers no way to add a root at run time; the certificates it
    // rejects are checked again by Qt's own verification, which trusts the
    // default configuration's authorities. Only QtNetwork's TLS reads that
    // configuration, and the engine does not use it.
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    if (!config.addCaCertificates(caFile))
        return false;
    QSslConfiguration::setDefaultConfiguration(config);
    g_extraAuthorities = true;
    return true;
}

bool AcceptRejectedCertificate(const QWebEngineCertificateError& error) {
    if (g_insecure)
        return true;
    if (!g_extraAuthorities || !error.isOverridable() ||
        error.type() != QWebEngineCertificateError::CertificateAuthorityInvalid)
        return false;
    const QList<QSslCertificate> chain = error.certificateChain();
    return !chain.isEmpty() && QSslCertificate::verify(chain, error.url().host()).isEmpty();
}

} // namespace phodex
