// SPDX-License-Identifier: MIT
#include "jobs/heldobserver.h"

namespace phodex {

void HeldObserver::release() {
    std::lock_guard lock(m_mutex);
    for (const Call& call : m_kept)
        call(m_target);
    m_kept.clear();
    m_held = false;
}

void HeldObserver::pass(Call call) {
    std::lock_guard lock(m_mutex);
    if (m_held)
        m_kept.push_back(std::move(call));
    else
        call(m_target);
}

void HeldObserver::albumsCleared() {
    pass([](JobObserver& o) { o.albumsCleared(); });
}
void HeldObserver::albumAdded(int index) {
    pass([=](JobObserver& o) { o.albumAdded(index); });
}
void HeldObserver::albumsRefilled() {
    pass([](JobObserver& o) { o.albumsRefilled(); });
}
void HeldObserver::allAlbumsSelected() {
    pass([](JobObserver& o) { o.allAlbumsSelected(); });
}
void HeldObserver::albumCaption(const QString& text) {
    pass([=](JobObserver& o) { o.albumCaption(text); });
}
void HeldObserver::statusLine(const QString& text) {
    pass([=](JobObserver& o) { o.statusLine(text); });
}
void HeldObserver::detailLine(const QString& text) {
    pass([=](JobObserver& o) { o.detailLine(text); });
}
void HeldObserver::jobStateChanged(JobKind kind, int state) {
    pass([=](JobObserver& o) { o.jobStateChanged(kind, state); });
}
void HeldObserver::albumStarted(int position, int count, const QString& name) {
    pass([=](JobObserver& o) { o.albumStarted(position, count, name); });
}
void HeldObserver::progress(int done, int total, qint64 bytes) {
    pass([=](JobObserver& o) { o.progress(done, total, bytes); });
}
void HeldObserver::addressRecorded(const QString& text) {
    pass([=](JobObserver& o) { o.addressRecorded(text); });
}

} // namespace phodex
