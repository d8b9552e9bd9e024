// SPDX-License-Identifier: MIT
#include "adapters/qzone/qqcookies.h"

#include "net/webops.h"

#include <QStringList>

namespace phodex {

namespace {

// The value after the "o" the QQ number cookies start with, less one
// leading zero; "" when the cookie is absent or does not start so.
QString GroupNumber(const QString& cookieText, const QString& name) {
    QString value = CookieValue(cookieText, name);
    if (!value.startsWith(u'o'))
        return QString();
    value.remove(0, 1);
    if (value.startsWith(u'0'))
        value.remove(0, 1);
    return value;
}

} // namespace

QString QqCookieText(const QString& address) {
    return GetCookies(address);
}

QString CookieValue(const QString& cookieText, const QString& name) {
    for (const QString& pair : cookieText.split(u';')) {
        const QString trimmed = pair.trimmed();
        const qsizetype equals = trimmed.indexOf(u'=');
        if (equals > 0 && QStringView(trimmed).first(equals) == name)
            return trimmed.sliced(equals + 1);
    }
    return QString();
}

QString QzoneTokenSource(const QString& cookieText, TokenCookie which) {
    if (which == TokenCookie::PSkeyFirst) {
        const QString pSkey = CookieValue(cookieText, QStringLiteral("p_skey"));
        if (!pSkey.isEmpty())
            return pSkey;
    }
    return CookieValue(cookieText, QStringLiteral("skey"));
}

QString QzoneViewerUin(const QString& cookieText, bool dropLeadingZeros) {
    QString uin = CookieValue(cookieText, QStringLiteral("uin"));
    uin.remove(u'o');
    if (dropLeadingZeros) {
        qsizetype zeros = 0;
        while (zeros < uin.size() && uin.at(zeros) == u'0')
            ++zeros;
        uin.remove(0, zeros);
    }
    return uin;
}

QString QqGroupViewer(const QString& cookieText) {
    const QString viewer = GroupNumber(cookieText, QStringLiteral("guin"));
    return viewer.isEmpty() ? GroupNumber(cookieText, QStringLiteral("p_uin")) : viewer;
}

} // namespace phodex
