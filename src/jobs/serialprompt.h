// SPDX-License-Identifier: MIT
#pragma once

#include "core/seams/userprompt.h"

#include <mutex>

namespace phodex {

// A job whose threads may each ask the user something (the album being
// downloaded and the one listed meanwhile) asks one question at a time: the
// next waits until the one before it was answered.
class SerialPrompt final : public UserPrompt {
public:
    explicit SerialPrompt(UserPrompt& target) : m_target(target) {}

    void information(const QString& text) override {
        std::lock_guard lock(m_mutex);
        m_target.information(text);
    }
    bool askYesNo(const QString& text, const QString& caption) override {
        std::lock_guard lock(m_mutex);
        return m_target.askYesNo(text, caption);
    }

private:
    UserPrompt& m_target;
    std::mutex m_mutex;
};

} // namespace phodex
