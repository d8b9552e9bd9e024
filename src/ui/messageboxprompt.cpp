// SPDX-License-Identifier: MIT
#include "ui/messageboxprompt.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QThread>

#include <algorithm>
#include <future>

namespace phodex {

// One worker's question on its way to the GUI thread. Settled exactly once:
// by the answer, or with No when the window closes first.
struct MessageBoxPrompt::Pending {
    std::promise<bool> answer;
    bool settled = false;
};

MessageBoxPrompt::MessageBoxPrompt(QWidget* window) : m_window(window) {}

MessageBoxPrompt::~MessageBoxPrompt() {
    shutdown();
}

void MessageBoxPrompt::information(const QString& text) {
    ask(false, text, PromptCaption());
}

bool MessageBoxPrompt::askYesNo(const QString& text, const QString& caption) {
    return ask(true, text, caption);
}

bool MessageBoxPrompt::ask(bool question, const QString& text, const QString& caption) {
    if (QThread::currentThread() == thread())
        return showBox(question, text, caption);
    return askFromWorker(question, text, caption);
}

bool MessageBoxPrompt::askFromWorker(bool question, const QString& text, const QString& caption) {
    auto pending = std::make_shared<Pending>();
    std::future<bool> answer = pending->answer.get_future();
    {
        std::lock_guard lock(m_mutex);
        if (m_closed)
            return false;
        m_pending.push_back(pending);
    }
    auto settle = [this, pending](bool value) {
        std::lock_guard lock(m_mutex);
        if (pending->settled)
            return;
        pending->settled = true;
        pending->answer.set_value(value);
        std::erase(m_pending, pending);
    };
    QMetaObject::invokeMethod(
        this, [=, this] { settle(!closed() && showBox(question, text, caption)); },
        Qt::QueuedConnection);
    return answer.get();
}

bool MessageBoxPrompt::showBox(bool question, const QString& text, const QString& caption) {
    if (closed())
        return false;
    QMessageBox box(question ? QMessageBox::Question : QMessageBox::Information, caption, text,
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, m_window);
    m_openBoxes.emplace_back(&box);
    const int result = box.exec();
    std::erase_if(m_openBoxes, [&](const QPointer<QMessageBox>& p) { return p == &box || !p; });
    return result == QMessageBox::Yes && !closed();
}

bool MessageBoxPrompt::closed() const {
    std::lock_guard lock(m_mutex);
    return m_closed;
}

void MessageBoxPrompt::shutdown() {
    std::vector<std::shared_ptr<Pending>> pending;
    {
        std::lock_guard lock(m_mutex);
        m_closed = true;
        pending.swap(m_pending);
        for (auto& p : pending) {
            if (!p->settled) {
                p->settled = true;
                p->answer.set_value(false);
            }
        }
    }
    // Boxes open on the GUI thread end their modal loops with No.
    if (QThread::currentThread() == thread()) {
        for (auto& box : m_openBoxes) {
            if (box)
                box->done(QMessageBox::No);
        }
    }
}

QString MessageBoxPrompt::chooseFolder(const QString& title, const QString& startFolder) {
    return QFileDialog::getExistingDirectory(m_window, title, startFolder);
}

QString MessageBoxPrompt::chooseSaveFile(const QString& filter, const QString& defaultSuffix) {
    QFileDialog dialog(m_window);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString MessageBoxPrompt::chooseOpenFile(const QString& filter) {
    return QFileDialog::getOpenFileName(m_window, QString(), QString(), filter);
}

} // namespace phodex
