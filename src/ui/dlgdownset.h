// SPDX-License-Identifier: MIT
#pragma once

#include "settings/record.h"

#include <QDialog>

class QLineEdit;

namespace phodex {

class DialogPrompt;

// The download parameters of one category: threads, time-out and the picture
// size limits. Confirming checks them; a rejected entry keeps the dialog open
// and changes nothing.
class CDlgDownSet final : public QDialog {
    Q_OBJECT
public:
    CDlgDownSet(const DownloadParams& params, DialogPrompt& prompt, QWidget* parent = nullptr);

    // The confirmed values (the opening values until "确 定" accepted new ones).
    const DownloadParams& params() const { return m_params; }

    QLineEdit* threadsEdit() const { return m_threads; }
    QLineEdit* timeoutEdit() const { return m_timeout; }
    QLineEdit* minSizeEdit() const { return m_minSize; }
    QLineEdit* maxSizeEdit() const { return m_maxSize; }

    // What an edit holds as the record stores it: its leading signed decimal
    // number (0 without one) as a 16-bit unsigned value.
    static std::uint16_t FieldValue(const QString& text);
    static bool IsValid(const DownloadParams& params);

private:
    void confirm();

    DownloadParams m_params;
    DialogPrompt& m_prompt;
    QLineEdit* m_threads;
    QLineEdit* m_timeout;
    QLineEdit* m_minSize;
    QLineEdit* m_maxSize;
};

} // namespace phodex
