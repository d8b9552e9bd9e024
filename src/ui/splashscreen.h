// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace phodex {

// The start-up notice: a borderless window centred on the screen that fades
// in, shows a short text until the preparation has finished, and fades out.
// It has no time-out and ignores clicks.
class CSplashScreenEx final : public QWidget {
    Q_OBJECT
public:
    explicit CSplashScreenEx(const QString& notice);

    void showFading();
    // Fades out and deletes itself.
    void finish();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString m_notice;
};

} // namespace phodex
