// SPDX-License-Identifier: MIT
#include "net/fetch.h"
#include "cli/commands/commandlist.h"
#include "cli/context.h"
#include "cli/exitcode.h"
#include "cli/netsetup.h"
#include "cli/output.h"
#include "net/pagetext.h"

#include <array>
#include <cstdio>

namespace phodex::cli {
namespace {

constexpr int kDefaultTextFlags = kTextInflate | kTextUtf8;
constexpr std::uint32_t kTimeoutMs = 20000;

constexpr std::array kFetchOptions = {
    OptionSpec{"text-flags", "N", false,
               "how the body becomes text (0x01 inflate, 0x02 UTF-8, 0x04 EUC-KR, 0x08 Big5, "
               "0x10 UTF-8 or GBK, 0x20 keep GBK text after NUL); default 0x03"},
    OptionSpec{"header", "LINE", true, "send this request header line too"},
    OptionSpec{"raw", nullptr, false, "print the body bytes as they came"},
};

void writeOut(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

bool readTextFlags(const ParsedOptions& options, int& flags, QString& error) {
    bool ok = true;
    const QString given = options.value(QStringLiteral("text-flags"));
    flags = given.isEmpty() ? kDefaultTextFlags : given.toInt(&ok, 0);
    if (!ok || flags < 0 || flags > 0xff) {
        error = QStringLiteral("option '--text-flags' wants a number from 0 to 0xff, not '%1'")
                    .arg(given);
        return false;
    }
    return true;
}

int runFetch(CliContext& context) {
    QString error;
    int textFlags = 0;
    if (!readTextFlags(context.options, textFlags, error) || !setUpNetwork(context, error)) {
        printError(error);
        return kExitUsage;
    }
    CUrlRequest request(context.args.first(), QString(), kTimeoutMs);
    request.headers = context.options.all(QStringLiteral("header")).join(QStringLiteral("\r\n"));
    CUrlResponse response;
    if (!Fetch(response, request, 0)) {
        printError(QStringLiteral("cannot fetch %1: %2").arg(request.url, LastFetchFailure()));
        return kExitNothing;
    }
    if (context.options.has(QStringLiteral("raw"))) {
        writeOut(response.body);
        return kExitOk;
    }
    QString text = GetText(response, textFlags);
    if (!text.endsWith(u'\n'))
        text += u'\n';
    writeOut(text.toUtf8());
    return kExitOk;
}

} // namespace

const Command kFetchCommand = {
    "fetch",       "URL",   "one request through the web engine; prints the page text", 1, 1,
    kFetchOptions, runFetch};

} // namespace phodex::cli
