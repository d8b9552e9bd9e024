// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The values the QQ services need from the login cookies. Cookies are found
// by name, wherever the jar happens to put them in its text.
namespace phodex {

// The cookies the jar sends to address, as one "a=1; b=2" text.
QString QqCookieText(const QString& address);
// The value of the cookie called name in a cookie text; "" when absent.
QString CookieValue(const QString& cookieText, const QString& name);

enum class TokenCookie {
    PSkeyFirst, // p_skey when the jar has it, else skey
    SkeyOnly,   // the older services hash skey alone
};
// The cookie value QzoneToken hashes into g_tk.
QString QzoneTokenSource(const QString& cookieText, TokenCookie which);
// The viewer's QQ number from the uin cookie ("o0012345"): every "o"
// removed, and with dropLeadingZeros the zeros in front as well.
QString QzoneViewerUin(const QString& cookieText, bool dropLeadingZeros);
// The viewer's QQ number as the group service wants it: the guin cookie
// after its "o" without one leading zero, else the p_uin cookie the same way.
QString QqGroupViewer(const QString& cookieText);

} // namespace phodex
