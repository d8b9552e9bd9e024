// SPDX-License-Identifier: MIT
#pragma once

#include "ui/dialogprompt.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

class QMessageBox;

#include <memory>
#include <mutex>
#include <vector>

namespace phodex {

// The real prompt: message boxes and file dialogs over the main window. A
// worker thread's question becomes a queued call on the GUI thread and the
// worker waits for its answer; the GUI thread asks directly.
class MessageBoxPrompt final : public QObject, public DialogPrompt {
    Q_OBJECT
public:
    explicit MessageBoxPrompt(QWidget* window);
    ~MessageBoxPrompt() override;

    void information(const QString& text) override;
    bool askYesNo(const QString& text, const QString& caption) override;
    QString chooseFolder(const QString& title, const QString& startFolder) override;
    QString chooseSaveFile(const QString& filter, const QString& defaultSuffix) override;
    QString chooseOpenFile(const QString& filter) override;
    void shutdown() override;

private:
    struct Pending;
    bool ask(bool question, const QString& text, const QString& caption);
    bool askFromWorker(bool question, const QString& text, const QString& caption);
    bool showBox(bool question, const QString& text, const QString& caption);
    bool closed() const;

    QPointer<QWidget> m_window;
    mutable std::mutex m_mutex;
    bool m_closed = false;
    std::vector<std::shared_ptr<Pending>> m_pending;
    std::vector<QPointer<QMessageBox>> m_openBoxes;
};

} // namespace phodex
