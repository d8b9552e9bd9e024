// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace phodex {

// Whether a login window closing on this address reads the QQ Zone page
// token: the address holds the QQ domain, past its very first character.
bool IsQqPageAddress(const QString& address);

// The page token in a QQ page's body: past the first "qzonetoken" (the whole
// text when there is none), the text between the next two double quotes.
// "" unless it is longer than 20 characters: shorter values are no token.
QString ExtractQzonePageToken(const QString& bodyHtml);

} // namespace phodex
