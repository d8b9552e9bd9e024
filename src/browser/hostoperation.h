// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

namespace phodex {

class CWebBrowser;

// Something done with a host within a time limit: it waits for a host that
// is still being made, ends at once on one that failed, and is always
// answered exactly once, also when the host goes away first. Deletes itself
// when done.
class HostOperation : public QObject {
    Q_OBJECT
public:
    // Starts on the next turn of the event loop.
    HostOperation(CWebBrowser& host, int totalMs);

protected:
    // The host is ready: begin.
    virtual void begin() = 0;
    // Answer the caller; `ok` false for a failed host, the time limit or the host going away.
    virtual void answer(bool ok) = 0;
    // Ends the operation: back to a blank page, then answer.
    void finish(bool ok);
    // Null once the host is being destroyed.
    CWebBrowser* host() const { return m_hostGone ? nullptr : m_host.data(); }
    int remainingMs() const;

private:
    void start();

    QPointer<CWebBrowser> m_host;
    bool m_hostGone = false;
    QTimer m_deadline;
    bool m_finished = false;
};

} // namespace phodex
