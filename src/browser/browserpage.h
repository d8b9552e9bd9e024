// SPDX-License-Identifier: MIT
#pragma once

#include <QWebEnginePage>

namespace phodex {

// A page of the browser profile. It never opens a script dialog (an alert
// on the invisible host would wait for a click nobody can give), keeps the
// pages' console to itself, and accepts the certificates the engine trusts.
class BrowserPage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit BrowserPage(QWebEngineProfile* profile, QObject* parent = nullptr);

protected:
    void javaScriptAlert(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& msg,
                          const QString& defaultValue, QString* result) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int lineNumber, const QString& sourceID) override;
};

} // namespace phodex
