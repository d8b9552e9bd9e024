// SPDX-License-Identifier: MIT
#include "browser/webbrowser.h"

#include "browser/browseraddress.h"
#include "browser/browserenv.h"
#include "net/cookiejar.h"

#include <QLayout>
#include <QTimer>
#include <QWebEngineLoadingInfo>
#include <QWebEngineView>

namespace phodex {

CWebBrowser::CWebBrowser(BrowserEnvironment& env, QObject* parent) : QObject(parent), m_env(env) {}

CWebBrowser::~CWebBrowser() {
    // Whoever still waits hears "" now, and nothing starts on a page going away.
    m_state = State::Empty;
    m_scripts.dropAll();
    delete m_view;
    delete m_page;
}

bool CWebBrowser::createAsync(QWidget* parent, const QRect& rect, Notice created) {
    State expected = State::Empty;
    if (!m_state.compare_exchange_strong(expected, State::Creating))
        return false;
    m_created = std::move(created);
    QPointer<QWidget> owner = parent;
    const bool withView = parent != nullptr;
    QTimer::singleShot(0, this, [this, owner, withView, rect] {
        if (withView && !owner)
            failCreation(BrowserFailureText(kNoController, kFailureCode));
        else
            build(owner, rect);
    });
    return true;
}

void CWebBrowser::build(QWidget* parent, const QRect& rect) {
    m_page = m_env.newPage(this);
    if (!m_page) {
        failCreation(m_env.failureText());
        return;
    }
    if (parent) {
        m_view = new QWebEngineView(parent);
        m_view->setPage(m_page);
        if (QLayout* layout = parent->layout())
            layout->addWidget(m_view);
        else
            m_view->setGeometry(rect);
        m_view->show();
    } else {
        // Without this a page that has no view counts as hidden, and
        // Chromium slows its scripts and timers down.
        m_page->setVisible(true);
    }
    connect(m_page, &QWebEnginePage::loadingChanged, this, &CWebBrowser::loadingChanged);
    connect(m_page, &QWebEnginePage::titleChanged, this, [this](const QString& title) {
        m_title = title;
        if (m_titleChanged)
            m_titleChanged(title);
    });
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this, [this] {
        if (state() == State::Creating)
            failCreation(BrowserFailureText(kNoController, kFailureCode));
    });
    QTimer::singleShot(kCreationTimeoutMs, this, [this] {
        if (state() == State::Creating)
            failCreation(BrowserFailureText(kNoController, kFailureCode));
    });
    // The host is ready once a first page has loaded: then the page's
    // helper process runs and scripts can be answered.
    m_page->load(QUrl(QString::fromLatin1(kBlankPage)));
}

void CWebBrowser::failCreation(const QString& text) {
    m_state = State::Failed;
    m_scripts.dropAll();
    // Possibly inside one of the page's own signals: never delete it there.
    if (m_view)
        m_view->deleteLater();
    if (m_page)
        m_page->deleteLater();
    m_view = nullptr;
    m_page = nullptr;
    m_created = nullptr;
    emit creationFailed(text);
    m_env.notifyFailure(text);
}

void CWebBrowser::setBounds(const QRect& rect) {
    if (m_view && !rect.isEmpty())
        m_view->setGeometry(rect);
}

void CWebBrowser::navigate(const QString& address) {
    if (!isReady() || address.isEmpty())
        return;
    const QString target = NavigationAddress(address);
    {
        std::lock_guard lock(m_addressMutex);
        m_lastAddress = target;
    }
    ++m_navigation;
    m_navigationPending = true;
    m_page->load(QUrl(target));
}

void CWebBrowser::navigateWithCallback(const QString& address, TextNotice completed) {
    if (!isReady())
        return;
    m_navigated = std::move(completed);
    navigate(address);
}

void CWebBrowser::setTitleCallback(TextNotice changed) {
    m_titleChanged = std::move(changed);
}

QString CWebBrowser::lastAddress() const {
    std::lock_guard lock(m_addressMutex);
    return m_lastAddress;
}

QString CWebBrowser::currentAddress() const {
    return m_page && isReady() ? ReportedAddress(m_page->url().toString()) : QString();
}

quint64 CWebBrowser::pageText(bool inner, int timeoutMs, TextNotice done) {
    // An error page is no text of the site's: a failed load is no capture.
    if (state() == State::Failed || m_showsError) {
        done(QString());
        return 0;
    }
    // The script may run in the error page of a load that fails meanwhile,
    // before or after that failure is reported here: either way it is no text.
    const QString script =
        QStringLiteral("location.protocol == 'chrome-error:' ? '' : document.body.%1")
            .arg(inner ? QStringLiteral("innerHTML") : QStringLiteral("outerHTML"));
    return m_scripts.run(script, timeoutMs, [this, done = std::move(done)](const QString& text) {
        done(m_showsError ? QString() : text);
    });
}

void CWebBrowser::cancelPageText(quint64 request) {
    m_scripts.cancel(request);
}

QString CWebBrowser::cookiesFor(const QString& address) const {
    if (!isReady())
        return {};
    const QString target = NavigationAddress(address.isEmpty() ? lastAddress() : address);
    QStringList pairs;
    for (const QNetworkCookie& cookie : m_env.jar().cookiesFor(QUrl(target)))
        pairs << QString::fromUtf8(cookie.toRawForm(QNetworkCookie::NameAndValueOnly));
    return pairs.join(u';');
}

// Loading news comes with the load's outcome, so that a failed load is
// known to show an error page when its end is reported.
void CWebBrowser::loadingChanged(const QWebEngineLoadingInfo& info) {
    using Status = QWebEngineLoadingInfo::LoadStatus;
    if (info.status() == Status::LoadStartedStatus) {
        m_startedNavigation = m_navigation;
        m_showsError = false;
        return;
    }
    m_showsError = info.status() == Status::LoadFailedStatus;
    loadEnded(info.status() == Status::LoadSucceededStatus);
}

void CWebBrowser::loadEnded(bool ok) {
    if (state() == State::Creating) {
        creationLoadFinished(ok);
        return;
    }
    if (!m_navigationPending || m_startedNavigation != m_navigation)
        return;
    m_navigationPending = false;
    const QString address = currentAddress();
    emit navigationCompleted(ok, address);
    if (m_navigated)
        m_navigated(address);
}

void CWebBrowser::creationLoadFinished(bool ok) {
    if (!ok) {
        failCreation(BrowserFailureText(kNoController, kFailureCode));
        return;
    }
    m_state = State::Ready;
    m_scripts.attach(m_page);
    emit created();
    if (const Notice created = std::exchange(m_created, nullptr))
        created();
}

} // namespace phodex
