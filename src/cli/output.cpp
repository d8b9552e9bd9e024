// SPDX-License-Identifier: MIT
#include "cli/output.h"

#include <cstdio>

namespace phodex::cli {
namespace {

void writeLine(std::FILE* stream, const QString& line) {
    const QByteArray bytes = (line + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

void printLine(const QString& line) {
    writeLine(stdout, line);
}

void printError(const QString& message) {
    writeLine(stderr, QStringLiteral("phodex-cli: ") + message);
}

void printProgress(const QString& line) {
    writeLine(stderr, line);
}

} // namespace phodex::cli
