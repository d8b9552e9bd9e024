// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <deque>
#include <mutex>

namespace phodex {

// The caption of a question's box, in the language in use.
QString PromptCaption();

// Message boxes asked for from a worker thread. The window blocks the worker
// until the user has answered; the command line prints and answers from
// --yes/--no; tests script the answers.
class UserPrompt {
public:
    virtual ~UserPrompt() = default;
    virtual void information(const QString& text) = 0;
    virtual bool askYesNo(const QString& text, const QString& caption) = 0;
};

// Answers no to every question and shows nothing.
class NullUserPrompt : public UserPrompt {
public:
    void information(const QString&) override {}
    bool askYesNo(const QString&, const QString&) override { return false; }
};

// Records every text and answers questions from a queue, then with a default.
class ScriptedUserPrompt : public UserPrompt {
public:
    explicit ScriptedUserPrompt(bool defaultAnswer = false) : m_default(defaultAnswer) {}

    void information(const QString& text) override;
    bool askYesNo(const QString& text, const QString& caption) override;

    void queueAnswer(bool answer);
    QStringList informations() const;
    QStringList questions() const;

private:
    mutable std::mutex m_mutex;
    bool m_default;
    std::deque<bool> m_answers;
    QStringList m_informations;
    QStringList m_questions;
};

} // namespace phodex
