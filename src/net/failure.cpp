// SPDX-License-Identifier: MIT
#include "net/failure.h"

#include "net/fetch.h"
#include "net/netlog.h"

#include <QFileInfo>

namespace phodex {

namespace {

thread_local QString t_lastFailure;
thread_local QString t_lastWriteFailure;

} // namespace

void noteFailure(const QString& url, const QString& reason) {
    qCDebug(lcNet).noquote() << url << reason;
    t_lastFailure = reason;
}

QString LastFetchFailure() {
    return t_lastFailure;
}

void noteWriteFailure(const QString& path, const QString& cause) {
    noteFailure(path, cause);
    t_lastWriteFailure = QStringLiteral("%1: %2").arg(QFileInfo(path).absolutePath(), cause);
}

QString LastWriteFailure() {
    return t_lastWriteFailure;
}

void clearWriteFailure() {
    t_lastWriteFailure.clear();
}

} // namespace phodex
