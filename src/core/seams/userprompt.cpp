// SPDX-License-Identifier: MIT
#include "core/seams/userprompt.h"

#include <QCoreApplication>

namespace phodex {

QString PromptCaption() {
    return QCoreApplication::translate("phodex::UserPrompt", "提示");
}

void ScriptedUserPrompt::information(const QString& text) {
    std::lock_guard lock(m_mutex);
    m_informations.append(text);
}

bool ScriptedUserPrompt::askYesNo(const QString& text, const QString&) {
    std::lock_guard lock(m_mutex);
    m_questions.append(text);
    if (m_answers.empty())
        return m_default;
    const bool answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void ScriptedUserPrompt::queueAnswer(bool answer) {
    std::lock_guard lock(m_mutex);
    m_answers.push_back(answer);
}

QStringList ScriptedUserPrompt::informations() const {
    std::lock_guard lock(m_mutex);
    return m_informations;
}

QStringList ScriptedUserPrompt::questions() const {
    std::lock_guard lock(m_mutex);
    return m_questions;
}

} // namespace phodex
