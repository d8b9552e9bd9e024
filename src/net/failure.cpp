// SPDX-License-Identifier: MIT
#include "net/failure.h"

#include "net/fetch.h"
#include "net/netlog.h"

namespace phodex {

namespace {

thread_local QString t_lastFailure;

} // namespace

void noteFailure(const QString& url, const QString& reason) {
    qCDebug(lcNet).noquote() << url << reason;
    t_lastFailure = reason;
}

QString LastFetchFailure() {
    return t_lastFailure;
}

} // namespace phodex
