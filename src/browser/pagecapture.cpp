// SPDX-License-Identifier: MIT
#include "browser/pagecapture.h"

#include "browser/hostoperation.h"
#include "browser/webbrowser.h"

namespace phodex {
namespace {

// Any page has an "s" somewhere; an empty or blank body has none.
constexpr char kCaptureMarker[] = "s";

class PageCaptureOp : public HostOperation {
public:
    PageCaptureOp(CWebBrowser& host, const QString& address, const CaptureTiming& timing,
                  std::function<void(const QString&)> done)
        : HostOperation(host, timing.totalMs), m_address(address), m_done(std::move(done)) {
        m_poll.setInterval(std::max(timing.pollMs, 1));
        connect(&m_poll, &QTimer::timeout, this, &PageCaptureOp::poll);
    }

private:
    void begin() override {
        // A page that cannot be loaded has nothing to wait for.
        connect(host(), &CWebBrowser::navigationCompleted, this, [this](bool ok) {
            if (!ok && host()->showsErrorPage())
                finish(false);
        });
        host()->navigate(m_address);
        m_poll.start();
    }

    void poll() {
        if (m_reading)
            return;
        m_reading = true;
        QPointer<PageCaptureOp> self = this;
        m_request = host()->pageText(true, std::min(remainingMs(), CWebBrowser::kPageTextTimeoutMs),
                                     [self](const QString& text) {
                                         if (self)
                                             self->read(text);
                                     });
    }

    void read(const QString& text) {
        m_reading = false;
        m_text = text;
        if (m_text.contains(QLatin1String(kCaptureMarker)))
            finish(true);
    }

    void answer(bool) override {
        m_poll.stop();
        const QString text = m_text; // a read given up below answers ""
        if (m_reading && host())
            host()->cancelPageText(m_request);
        if (m_done)
            std::exchange(m_done, nullptr)(text);
    }

    QString m_address;
    std::function<void(const QString&)> m_done;
    QTimer m_poll;
    bool m_reading = false;
    quint64 m_request = 0;
    QString m_text;
};

class NavigationOp : public HostOperation {
public:
    NavigationOp(CWebBrowser& host, const QString& address, int timeoutMs,
                 std::function<void(bool)> done)
        : HostOperation(host, timeoutMs), m_address(address), m_done(std::move(done)) {}

private:
    void begin() override {
        connect(host(), &CWebBrowser::navigationCompleted, this, [this](bool ok) { finish(ok); });
        host()->navigate(m_address);
    }

    void answer(bool ok) override {
        if (m_done)
            std::exchange(m_done, nullptr)(ok);
    }

    QString m_address;
    std::function<void(bool)> m_done;
};

} // namespace

void CapturePage(CWebBrowser& host, const QString& address, const CaptureTiming& timing,
                 std::function<void(const QString& text)> done) {
    new PageCaptureOp(host, address, timing, std::move(done));
}

void NavigateAndWait(CWebBrowser& host, const QString& address, int timeoutMs,
                     std::function<void(bool loaded)> done) {
    new NavigationOp(host, address, timeoutMs, std::move(done));
}

} // namespace phodex
