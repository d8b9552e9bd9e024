// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace phodex {

// The embedded browser as the jobs see it. Every call blocks the worker thread
// until the window thread has done the work (or the time-out has passed).
class BrowserBridge {
public:
    virtual ~BrowserBridge() = default;

    // Opens a login window on address and returns when it has closed; with
    // mode > 0 the window closes itself after about that many seconds.
    virtual void loginAndWait(const QString& address, int mode) = 0;
    // The text of the page at address after its scripts ran; "" when it could not be had.
    virtual QString capturePageText(const QString& address, int timeoutMs) = 0;
    // Loads address and waits for the page; false on time-out or failure.
    virtual bool navigateAndWait(const QString& address, int timeoutMs) = 0;
    // The browser's cookies for address as one "a=1;b=2" text; "" when none.
    virtual QString cookiesFor(const QString& address) = 0;
};

// The site-values key under which a login window closing on a QQ page leaves
// the page's token; the QQ group requests carry it. It sits with the seam
// because the browser, which may not see the adapters, is what writes it.
inline const QString kQzonePageTokenKey = QStringLiteral("qzone.pagetoken");

// What a browser that cannot show a login window tells the user instead.
inline constexpr char kLoginUnavailable[] =
    "this site wants a login: log in from the phodex window, or export the site's cookies "
    "from a browser as cookies.txt and pass them with --cookies FILE";

// No browser at all (the command line without a window): nothing loads.
class NullBrowserBridge : public BrowserBridge {
public:
    void loginAndWait(const QString&, int) override {}
    QString capturePageText(const QString&, int) override { return {}; }
    bool navigateAndWait(const QString&, int) override { return false; }
    QString cookiesFor(const QString&) override { return {}; }
};

} // namespace phodex
