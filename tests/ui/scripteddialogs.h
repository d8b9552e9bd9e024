// SPDX-License-Identifier: MIT
#pragma once

#include "core/seams/userprompt.h"
#include "ui/dialogprompt.h"

#include <QStringList>

#include <deque>
#include <mutex>

namespace phodex::test {

// The window's questions answered by the test: message boxes are recorded
// and answered from a script, file choosers return queued paths ("" when the
// queue is empty, as a cancelled dialog does).
class ScriptedDialogs final : public DialogPrompt {
public:
    void information(const QString& text) override { m_boxes.information(text); }
    bool askYesNo(const QString& text, const QString& caption) override {
        return !isShutDown() && m_boxes.askYesNo(text, caption);
    }
    QString chooseFolder(const QString& title, const QString&) override { return next(title); }
    QString chooseSaveFile(const QString& filter, const QString&) override { return next(filter); }
    QString chooseOpenFile(const QString& filter) override { return next(filter); }
    void shutdown() override {
        std::lock_guard lock(m_mutex);
        m_shutDown = true;
    }

    void queueAnswer(bool yes) { m_boxes.queueAnswer(yes); }
    void queuePath(const QString& path) {
        std::lock_guard lock(m_mutex);
        m_paths.push_back(path);
    }
    QStringList informations() const { return m_boxes.informations(); }
    QStringList questions() const { return m_boxes.questions(); }
    // The titles or filters the file choosers were opened with.
    QStringList choosers() const {
        std::lock_guard lock(m_mutex);
        return m_choosers;
    }
    bool isShutDown() const {
        std::lock_guard lock(m_mutex);
        return m_shutDown;
    }

private:
    QString next(const QString& what) {
        std::lock_guard lock(m_mutex);
        m_choosers << what;
        if (m_paths.empty())
            return {};
        const QString path = m_paths.front();
        m_paths.pop_front();
        return path;
    }

    ScriptedUserPrompt m_boxes;
    mutable std::mutex m_mutex;
    std::deque<QString> m_paths;
    QStringList m_choosers;
    bool m_shutDown = false;
};

} // namespace phodex::test
