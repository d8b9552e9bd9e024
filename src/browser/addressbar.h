// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace phodex {

// The top row of the login windows: "网址：", the address field and "打开".
// The field takes the width the button leaves, 5 pixels short of it, so the
// button stays at the right edge when the window is resized. "打开" is the
// dialog's default button: Enter in the field presses it.
class AddressBar : public QWidget {
    Q_OBJECT
public:
    explicit AddressBar(QWidget* parent = nullptr);

    QLineEdit* field() const { return m_field; }
    QPushButton* openButton() const { return m_open; }
    QString text() const;
    void setText(const QString& text);

signals:
    void openRequested();

private:
    QLineEdit* m_field;
    QPushButton* m_open;
};

} // namespace phodex
