// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"

#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "core/seams/browserbridge.h"
#include "core/seams/userprompt.h"
#include "net/fetch.h"
#include "net/pacer.h"
#include "net/pagetext.h"
#include "text/escapes.h"

#include <QCoreApplication>
#include <QFile>
#include <QUrl>

namespace phodex {

QString RandomFraction() {
    return QString::asprintf("%0.16f", pacer().random(32768) / 32767.0);
}

quint32 ClockValue() {
    return quint32(pacer().nowMs() % 100000000);
}

QString PlainHostName(const QString& text) {
    for (const QChar c : text) {
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != u'.' && c != u'-')
            return QString();
    }
    return text;
}

QString QueryValue(const QString& text) {
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

QString EncodedValue(const QString& text) {
    // QUrl::toPercentEncoding encodes "%" whatever it is told.
    QString encoded;
    const QStringList pieces = text.split(QLatin1Char('%'));
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            encoded += QLatin1Char('%');
        encoded += QueryValue(pieces.at(i));
    }
    return encoded;
}

QString Unslashed(QString text) {
    return text.replace(QStringLiteral("\\/"), QStringLiteral("/"));
}

QString JsonText(const QString& value) {
    return UnescapeUnicode(Unslashed(value));
}

int LeadingNumber(const QString& text, int fallback) {
    const QString trimmed = text.trimmed();
    qsizetype end = trimmed.startsWith(u'-') ? 1 : 0;
    const qsizetype digitsFrom = end;
    while (end < trimmed.size() && trimmed.at(end).isDigit() && trimmed.at(end) < u'\x80')
        ++end;
    if (end == digitsFrom)
        return fallback;
    bool ok = false;
    const int value = trimmed.first(end).toInt(&ok);
    return ok ? value : fallback;
}

CUrlRequest PageRequest(const QString& headers) {
    CUrlRequest request(QString(), QString(), 20000);
    request.headers = headers;
    return request;
}

QString FetchText(CUrlResponse& response, const CUrlRequest& request, int textFlags) {
    if (!Fetch(response, request, 0))
        return QString();
    return GetText(response, textFlags);
}

bool IsErrorReply(const CUrlResponse& response) {
    // "HTTP/1.1 404 Not Found": the second word of the first line.
    const QString statusLine = response.headers.section(u'\n', 0, 0);
    bool ok = false;
    const int status = statusLine.section(u' ', 1, 1).toInt(&ok);
    return ok && status >= 400;
}

QString GzipHeader() {
    return QStringLiteral("Accept-Encoding: gzip, deflate");
}

CUrlRequest GzipPageRequest(const QByteArray& endMarker) {
    CUrlRequest request = PageRequest(GzipHeader());
    request.endMarker = endMarker;
    return request;
}

QString FetchPage(const QString& address, int textFlags, const QByteArray& endMarker) {
    CUrlRequest request = GzipPageRequest(endMarker);
    request.url = address;
    CUrlResponse response;
    return FetchText(response, request, textFlags);
}

void ReportUnreadablePage(JobContext& ctx, const QString& text, int callSite) {
    QFile file(ctx.session().workDir + QStringLiteral("log.err"));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text.toUtf8());
    ctx.env.prompt.information(
        QCoreApplication::translate("phodex::Sites",
                                    "获取信息出错(%1),请将程序目录下的log.err文件发给作者,以便修改")
            .arg(callSite));
}

bool HandOverPicture(PictureContext& ctx, QString url, const QString& title, int albumIndex,
                     PageWalk& walk, const QString& headers,
                     const std::optional<QString>& extraText) {
    if (url.isEmpty() || !walk.isNew(url))
        return true;
    ctx.addPicture(url, title, headers, albumIndex, extraText);
    return ctx.keepListing();
}

} // namespace phodex
