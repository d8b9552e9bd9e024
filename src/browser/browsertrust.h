// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWebEngineCertificateError;

// Which certificates the embedded browser accepts beyond those Chromium
// verifies itself: the ones the request engine is told to trust as well.
namespace phodex {

// Trusts the authorities of a PEM file (the engine's extra CA file) for the
// browser too; with `insecure` every certificate passes, as for the engine.
// False when the file holds no certificate.
bool SetBrowserTrust(const QString& caFile, bool insecure);

// Whether a certificate Chromium rejected is to be accepted: it chains up
// to one of the extra authorities and names the page's host.
bool AcceptRejectedCertificate(const QWebEngineCertificateError& error);

} // namespace phodex
