// SPDX-License-Identifier: MIT
#pragma once

#include "browser/browserdialog.h"

namespace phodex {

// The browser login window, for the sites that need a current browser
// engine: always modal (open()), titled after the page it shows.
class CDlgWeb : public BrowserDialog {
    Q_OBJECT
public:
    explicit CDlgWeb(BrowserEnvironment& env, QWidget* owner = nullptr);

    void setAddress(const QString& address) { m_address = address; }
    QString address() const { return m_address; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void created();
    void openTyped();

    QString m_address;
    bool m_initialised = false;
};

} // namespace phodex
