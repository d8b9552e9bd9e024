// SPDX-License-Identifier: MIT
#pragma once

#include "browser/pagescripts.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <atomic>
#include <functional>
#include <mutex>

class QWebEngineLoadingInfo;

namespace phodex {

class BrowserEnvironment;

// The browser host: one page of the profile, shown in a view inside a window
// or kept without one (the main window's invisible host, the command line's
// headless page). Made asynchronously; until it is ready the operations that
// need the page do nothing, and when making it failed it stays empty for
// good: page texts are "", cookie queries answer "". GUI thread only, except
// where a call says otherwise.
class CWebBrowser : public QObject {
    Q_OBJECT
public:
    enum class State { Empty, Creating, Ready, Failed };
    using Notice = std::function<void()>;
    using TextNotice = std::function<void(const QString& text)>;

    // How long the page may take to come up before the host counts as failed.
    static constexpr int kCreationTimeoutMs = 30000;
    // The longest wait for one page-text script.
    static constexpr int kPageTextTimeoutMs = 30000;

    explicit CWebBrowser(BrowserEnvironment& env, QObject* parent = nullptr);
    ~CWebBrowser() override;

    // Starts making the host: with a parent widget, a view in it (added to
    // its layout when it has one, else placed at rect); without one, a page
    // alone. `created` runs once the page is ready.
    // A failure shows the browser's failure message. False when the host was
    // made before.
    bool createAsync(QWidget* parent, const QRect& rect, Notice created);
    State state() const { return m_state.load(); } // any thread
    bool isReady() const { return state() == State::Ready; }
    QWebEnginePage* page() const { return m_page; }
    QWebEngineView* view() const { return m_view; }
    void setBounds(const QRect& rect);

    // Loads address (see NavigationAddress) and remembers it as lastAddress;
    // nothing for an empty address.
    void navigate(const QString& address);
    // Registers `completed` for every later finished navigation (it gets the
    // page's address, "" for about:blank), then navigates. Nothing while the
    // host is not ready.
    void navigateWithCallback(const QString& address, TextNotice completed);
    void setTitleCallback(TextNotice changed);
    QString title() const { return m_title; }
    QString lastAddress() const; // any thread
    // The address of the page shown, "" for about:blank or none.
    QString currentAddress() const;
    // The last load failed: what is shown is the browser's error page.
    bool showsErrorPage() const { return m_showsError; }

    // The body's inner (or outer) HTML; "" on time-out, when the host has
    // no page or shows the browser's error page. Scripts run one at a time. Returns the request's
    // number.
    quint64 pageText(bool inner, int timeoutMs, TextNotice done);
    // Gives the request up: it is answered "" now and the next one may run.
    void cancelPageText(quint64 request);
    // The profile's cookies for address (lastAddress when empty) as
    // "a=1;b=2"; "" when the host is not ready. Any thread.
    QString cookiesFor(const QString& address) const;

signals:
    void created();
    void creationFailed(const QString& text);
    // The navigation asked for last has ended.
    void navigationCompleted(bool ok, const QString& address);

private:
    void build(QWidget* parent, const QRect& rect);
    void failCreation(const QString& text);
    void loadingChanged(const QWebEngineLoadingInfo& info);
    void loadEnded(bool ok);
    void creationLoadFinished(bool ok);

    BrowserEnvironment& m_env;
    std::atomic<State> m_state{State::Empty};
    QPointer<QWebEnginePage> m_page;
    QPointer<QWebEngineView> m_view;
    PageScripts m_scripts;
    Notice m_created;
    TextNotice m_navigated;
    TextNotice m_titleChanged;
    QString m_title;
    mutable std::mutex m_addressMutex;
    QString m_lastAddress;
    // Tells the finish of the navigation asked for last from earlier ones.
    quint64 m_navigation = 0;
    quint64 m_startedNavigation = 0;
    bool m_navigationPending = false;
    bool m_showsError = false;
};

} // namespace phodex
