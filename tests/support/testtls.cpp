// SPDX-License-Identifier: MIT
#include "support/testtls.h"

#include <openssl/pem.h>
#include <openssl/x509v3.h>

#include <cstdio>
#include <memory>

namespace phodex::test {

QString testCaFile() {
    return QStringLiteral(PHODEX_TEST_TLS_DIR "/ca.pem");
}
QString testServerCertFile() {
    return QStringLiteral(PHODEX_TEST_TLS_DIR "/server.pem");
}
QString testServerKeyFile() {
    return QStringLiteral(PHODEX_TEST_TLS_DIR "/server.key");
}

bool testCertificateCovers(const QString& host) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(
        std::fopen(testServerCertFile().toLocal8Bit().constData(), "r"), &std::fclose);
    if (!file)
        return false;
    std::unique_ptr<X509, void (*)(X509*)> cert(
        PEM_read_X509(file.get(), nullptr, nullptr, nullptr), &X509_free);
    if (!cert)
        return false;
    const QByteArray name = host.toUtf8();
    if (X509_check_ip_asc(cert.get(), name.constData(), 0) == 1)
        return true;
    return X509_check_host(cert.get(), name.constData(), size_t(name.size()), 0, nullptr) == 1;
}

} // namespace phodex::test
