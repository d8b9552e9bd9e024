// SPDX-License-Identifier: MIT
#include "browser/pagescripts.h"

#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>

#include <algorithm>

namespace phodex {

struct PageScripts::Request {
    quint64 id = 0;
    QString script;
    Done done;
    bool answered = false;
};

PageScripts::PageScripts(QObject* parent) : QObject(parent) {}

PageScripts::~PageScripts() {
    dropAll();
}

void PageScripts::attach(QWebEnginePage* page) {
    m_page = page;
    startNext();
}

quint64 PageScripts::run(const QString& script, int timeoutMs, Done done) {
    auto request = std::make_shared<Request>(Request{++m_lastId, script, std::move(done)});
    if (m_dropped) {
        answer(request, QString());
        return request->id;
    }
    m_waiting.push_back(request);
    std::weak_ptr<Request> weak = request;
    QTimer::singleShot(std::max(timeoutMs, 0), this, [this, weak] {
        if (const auto late = weak.lock())
            answer(late, QString());
    });
    startNext();
    return request->id;
}

void PageScripts::cancel(quint64 id) {
    if (m_running && m_running->id == id) {
        answer(m_running, QString());
        return;
    }
    const auto found = std::find_if(m_waiting.begin(), m_waiting.end(),
                                    [id](const auto& request) { return request->id == id; });
    if (found != m_waiting.end())
        answer(*found, QString());
}

void PageScripts::dropAll() {
    m_dropped = true;
    if (m_running)
        answer(m_running, QString());
    while (!m_waiting.empty())
        answer(m_waiting.front(), QString());
}

void PageScripts::startNext() {
    if (m_running || !m_page || m_waiting.empty())
        return;
    m_running = m_waiting.front();
    m_waiting.pop_front();
    std::weak_ptr<Request> weak = m_running;
    QPointer<PageScripts> self = this;
    // The application's own script world: page scripts cannot tamper with it,
    // and it sees the same document.
    m_page->runJavaScript(m_running->script, QWebEngineScript::ApplicationWorld,
                          [self, weak](const QVariant& result) {
                              const auto request = weak.lock();
                              if (self && request)
                                  self->answer(request, result.toString());
                          });
}

void PageScripts::answer(std::shared_ptr<Request> request, const QString& result) {
    if (request->answered)
        return;
    request->answered = true;
    std::erase(m_waiting, request);
    const bool wasRunning = m_running == request;
    if (wasRunning)
        m_running.reset();
    // A copy: the callback may make the next request.
    const Done done = std::move(request->done);
    if (done)
        done(result);
    if (wasRunning)
        startNext();
}

} // namespace phodex
