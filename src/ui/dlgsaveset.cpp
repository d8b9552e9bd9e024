// SPDX-License-Identifier: MIT
#include "ui/dlgsaveset.h"

#include "ui/dialogprompt.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace phodex {

namespace {

QLineEdit* TextEdit(const QString& text, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setMinimumWidth(120);
    return edit;
}

// Adds one radio button per caption; ids are the stored values 0, 1, ...
QButtonGroup* RadioGroup(const QStringList& captions, int checked, QHBoxLayout* row,
                         QWidget* parent) {
    auto* group = new QButtonGroup(parent);
    for (int id = 0; id < captions.size(); ++id) {
        auto* button = new QRadioButton(captions[id], parent);
        group->addButton(button, id);
        row->addWidget(button);
    }
    if (QAbstractButton* button = group->button(checked))
        button->setChecked(true);
    return group;
}

QString Cut(const QString& text) {
    return text.left(CDlgSaveSet::kMaxTextChars);
}

} // namespace

CDlgSaveSet::CDlgSaveSet(const NamingProfile& profile, DialogPrompt& prompt, QWidget* parent)
    : QDialog(parent), m_profile(profile), m_prompt(prompt),
      m_filePrefix(TextEdit(profile.filePrefix, this)),
      m_fileSuffix(TextEdit(profile.fileSuffix, this)),
      m_replaceFrom(TextEdit(profile.replaceFrom, this)),
      m_replaceTo(TextEdit(profile.replaceTo, this)),
      m_folderPrefix(TextEdit(profile.folderPrefix, this)),
      m_folderSuffix(TextEdit(profile.folderSuffix, this)), m_nameBase(nullptr),
      m_folderMode(nullptr), m_help(new QLabel(tr("<a href=\"#\">前后缀说明</a>"), this)) {
    setWindowTitle(tr("设置"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fileGroup());
    layout->addWidget(replaceRow());
    layout->addWidget(folderGroup());
    auto* ok = new QPushButton(tr("确 定"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_help);
    bottom->addStretch();
    bottom->addWidget(ok);
    layout->addLayout(bottom);
    connect(m_help, &QLabel::linkActivated, this, [this] { m_prompt.information(HelpText()); });
    connect(ok, &QPushButton::clicked, this, &CDlgSaveSet::confirm);
}

QWidget* CDlgSaveSet::fileGroup() {
    auto* group = new QGroupBox(tr("文件名"), this);
    auto* row = new QHBoxLayout(group);
    row->addWidget(new QLabel(tr("前缀"), group));
    row->addWidget(m_filePrefix);
    m_nameBase =
        RadioGroup({tr("描述"), tr("序号"), tr("网址")}, int(m_profile.nameBase), row, group);
    row->addWidget(new QLabel(tr("后缀"), group));
    row->addWidget(m_fileSuffix);
    return group;
}

QWidget* CDlgSaveSet::replaceRow() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_replaceFrom);
    row->addWidget(new QLabel(tr("替换为"), box));
    row->addWidget(m_replaceTo);
    return box;
}

QWidget* CDlgSaveSet::folderGroup() {
    auto* group = new QGroupBox(tr("相册路径(相册名)"), this);
    auto* row = new QHBoxLayout(group);
    row->addWidget(new QLabel(tr("前缀"), group));
    row->addWidget(m_folderPrefix);
    m_folderMode = RadioGroup({tr("相册名"), tr("无")}, int(m_profile.folderMode), row, group);
    row->addWidget(new QLabel(tr("后缀"), group));
    row->addWidget(m_folderSuffix);
    return group;
}

void CDlgSaveSet::confirm() {
    NamingProfile typed = m_profile;
    typed.filePrefix = Cut(m_filePrefix->text());
    typed.fileSuffix = Cut(m_fileSuffix->text());
    typed.replaceFrom = Cut(m_replaceFrom->text());
    typed.replaceTo = Cut(m_replaceTo->text());
    typed.folderPrefix = Cut(m_folderPrefix->text());
    typed.folderSuffix = Cut(m_folderSuffix->text());
    // A damaged record may hold a value no button stands for: it stays until one is chosen.
    if (m_nameBase->checkedId() >= 0)
        typed.nameBase = NameBase(m_nameBase->checkedId());
    if (m_folderMode->checkedId() >= 0)
        typed.folderMode = FolderMode(m_folderMode->checkedId());
    m_profile = typed;
    accept();
}

QString CDlgSaveSet::HelpText() {
    return tr("前缀和后缀分别加在图片自己的文件名前面和后面。例如前缀为空、后缀为_com时，"
              "图片abc.jpg保存为abc_com.jpg\n") +
           tr("再如前缀为my_、后缀为_com时，图片abc.jpg保存为my_abc_com.jpg\n") +
           tr("相册名那里前后缀一样\n同时，支持转义字符，当前后缀中含有转义字符时，"
              "程序会将转义字符转换为转义字符所表示的字符串\n") +
           tr("转义字符如下（问号为英文的问号，相册名的转义字符只支持?1,?3,?9）：\n") +
           tr("?1:相册名称\n?2:图片在相册中的序号\n?3:相册在列表中的序号(格式为：1,2,3...)\n?4:"
              "相册在列表中的序号(倒序)\n?5:相册创建时间(仅QQ群相册有效)\n?6:选中的相册数\n?"
              "7:总共的相册数(选中的+未选中的)\n?9:相册在列表中的序号(格式为：0001,0002,0003..."
              ")\n?A:图片在相册中的序号(格式为：0001,0002,0003...)\n");
}

} // namespace phodex
