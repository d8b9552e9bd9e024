// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

namespace phodex {

// "版本信息": the program's name, version and home page.
class AboutDialog final : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent);
};

} // namespace phodex
