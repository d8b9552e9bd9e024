// SPDX-License-Identifier: MIT
#include "ui/aboutdialog.h"

#include "ui/productpages.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace phodex {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("关于"));
    const QString version = QCoreApplication::applicationVersion();
    auto* text =
        new QLabel(tr("<h3>Varnel多功能Albrio</h3><p>版本 %1</p>"
                      "<p>批量下载网络相册的图片：输入相册地址或QQ号，获取相册列表，"
                      "勾选相册后下载。</p><p><a href=\"%2\">%2</a></p>")
                       .arg(version.isEmpty() ? QStringLiteral("-") : version.toHtmlEscaped(),
                            QLatin1String(kProductHome)),
                   this);
    text->setOpenExternalLinks(true);
    text->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
}

} // namespace phodex
