// SPDX-License-Identifier: MIT
#pragma once

#include "browser/webbrowser.h"

#include <QDialog>

namespace phodex {

class AddressBar;
class BrowserEnvironment;

// What the two login windows share: the address row on top, the browser
// below it taking the rest of the window, the first show centred over the
// owner (over the screen without one).
class BrowserDialog : public QDialog {
    Q_OBJECT
public:
    AddressBar* addressBar() const { return m_bar; }
    CWebBrowser& browser() { return *m_browser; }

protected:
    BrowserDialog(BrowserEnvironment& env, QWidget* owner, const QString& caption);
    ~BrowserDialog() override;

    // Makes the browser; `created` runs once it is ready.
    void startBrowser(CWebBrowser::Notice created);
    void centreOnOwner();

private:
    AddressBar* m_bar;
    QWidget* m_area;
    CWebBrowser* m_browser;
};

} // namespace phodex
