// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <deque>
#include <functional>
#include <memory>

class QWebEnginePage;

namespace phodex {

// The scripts one page is asked to run, one after the other: a script starts
// when the one before it has answered or was given up, and each request has
// its own time-out, counted from when it was made. So two callers never see
// each other's result and none waits for ever.
class PageScripts : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void(const QString& result)>;

    explicit PageScripts(QObject* parent = nullptr);
    ~PageScripts() override;

    // The page the scripts run on; requests made before wait for it.
    void attach(QWebEnginePage* page);
    // `done` gets the script's text result; "" on time-out, when the result
    // is no text or the requests are dropped. Returns the request's number.
    quint64 run(const QString& script, int timeoutMs, Done done);
    // Answers the request "" now (nothing when it was answered before).
    void cancel(quint64 request);
    // Answers "" to every request, now and from now on.
    void dropAll();

private:
    struct Request;

    void startNext();
    void answer(std::shared_ptr<Request> request, const QString& result);

    QPointer<QWebEnginePage> m_page;
    std::deque<std::shared_ptr<Request>> m_waiting;
    std::shared_ptr<Request> m_running;
    bool m_dropped = false;
    quint64 m_lastId = 0;
};

} // namespace phodex
