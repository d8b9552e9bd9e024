// SPDX-License-Identifier: MIT
#include "ui/dlgdownset.h"

#include "settings/ini.h"
#include "ui/dialogprompt.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace phodex {

CDlgDownSet::CDlgDownSet(const DownloadParams& params, DialogPrompt& prompt, QWidget* parent)
    : QDialog(parent), m_params(params), m_prompt(prompt), m_threads(new QLineEdit(this)),
      m_timeout(new QLineEdit(this)), m_minSize(new QLineEdit(this)),
      m_maxSize(new QLineEdit(this)) {
    setWindowTitle(tr("设置"));
    auto* group = new QGroupBox(tr("下载参数设置"), this);
    auto* form = new QFormLayout(group);
    form->addRow(tr("线程数(1~15)："), m_threads);
    form->addRow(tr("超时(S, >=10)："), m_timeout);
    form->addRow(tr("图片最小值(K)："), m_minSize);
    form->addRow(tr("图片最大值(K)："), m_maxSize);
    m_threads->setText(QString::number(params.threads));
    m_timeout->setText(QString::number(params.timeoutSeconds));
    m_minSize->setText(QString::number(params.minSizeKb));
    m_maxSize->setText(QString::number(params.maxSizeKb));

    auto* ok = new QPushButton(tr("确 定"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CDlgDownSet::confirm);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

std::uint16_t CDlgDownSet::FieldValue(const QString& text) {
    return std::uint16_t(LeadingInt(QStringView(text).trimmed()));
}

bool CDlgDownSet::IsValid(const DownloadParams& params) {
    return params.threads >= kMinThreads && params.threads <= kMaxThreads &&
           params.timeoutSeconds >= kMinTimeoutSeconds;
}

void CDlgDownSet::confirm() {
    DownloadParams typed;
    typed.threads = FieldValue(m_threads->text());
    typed.timeoutSeconds = FieldValue(m_timeout->text());
    typed.minSizeKb = FieldValue(m_minSize->text());
    typed.maxSizeKb = FieldValue(m_maxSize->text());
    // Minimum and maximum are not compared: 0 means no limit.
    if (!IsValid(typed)) {
        m_prompt.information(tr("参数错误"));
        return;
    }
    m_params = typed;
    accept();
}

} // namespace phodex
