// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The test TLS material, made by the build (make-test-ca.sh), never committed.
namespace phodex::test {

// The CA that signed the fake sites' certificate: hand it to libcurl as CAINFO.
QString testCaFile();
QString testServerCertFile();
QString testServerKeyFile();
// True when the fake sites' certificate is valid for this host name or address,
// so a test can check that every host of the site table is covered.
bool testCertificateCovers(const QString& host);

} // namespace phodex::test
