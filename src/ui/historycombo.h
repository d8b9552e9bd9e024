// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>
#include <QStringList>

class QStringListModel;

namespace phodex {

// An editable box with a history: its drop-down lists every history text,
// and while the user types, a pop-up offers the history texts that contain
// the typed text (case-sensitive), in history order. Typing never adds to the
// history; the window does that when a text has been used.
class HistoryCombo final : public QComboBox {
    Q_OBJECT
public:
    explicit HistoryCombo(QWidget* parent = nullptr);

    void setHistory(const QStringList& texts);
    void appendHistory(const QString& text);
    QStringList history() const { return m_history; }
    // The typed text; the history never changes it.
    QString text() const { return currentText(); }
    void setText(const QString& text);

private:
    QStringList m_history;
    QStringListModel* m_completions;
};

} // namespace phodex
