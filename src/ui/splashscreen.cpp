// SPDX-License-Identifier: MIT
#include "ui/splashscreen.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QScreen>

namespace phodex {

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 190;
constexpr int kFadeInMs = 500;
constexpr int kFadeOutMs = 200;

void Fade(QWidget* widget, qreal from, qreal to, int ms, bool deleteAfter) {
    auto* animation = new QPropertyAnimation(widget, "windowOpacity", widget);
    animation->setDuration(ms);
    animation->setStartValue(from);
    animation->setEndValue(to);
    if (deleteAfter)
        QObject::connect(animation, &QPropertyAnimation::finished, widget, &QObject::deleteLater);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

} // namespace

CSplashScreenEx::CSplashScreenEx(const QString& notice)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_notice(notice) {
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(kWidth, kHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void CSplashScreenEx::showFading() {
    setWindowOpacity(0.0);
    show();
    Fade(this, 0.0, 1.0, kFadeInMs, false);
}

void CSplashScreenEx::finish() {
    Fade(this, windowOpacity(), 0.0, kFadeOutMs, true);
}

void CSplashScreenEx::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(52, 101, 164));
    painter.drawRoundedRect(rect(), 12, 12);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPointSize(10);
    painter.setFont(font);
    painter.drawText(QRect(QPoint(30, 50), QPoint(291, 160)), Qt::TextWordWrap, m_notice);
}

void CSplashScreenEx::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

} // namespace phodex
