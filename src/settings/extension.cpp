// SPDX-License-Identifier: MIT
#include "settings/extension.h"

#include "settings/ini.h"

#include <QDir>
#include <QFileInfo>

namespace phodex {

std::uint8_t IniCharsetBits(const QString& value) {
    struct Choice {
        const char* prefix;
        std::uint8_t bits;
    };
    static constexpr Choice kChoices[] = {{"UTF8", kIniCharsetUtf8},
                                          {"ANSI", kIniCharsetAnsi},
                                          {"AUTO", kIniCharsetAuto},
                                          {"BIG5", kIniCharsetBig5}};
    for (const Choice& choice : kChoices) {
        if (value.startsWith(QLatin1String(choice.prefix)))
            return choice.bits;
    }
    return kIniCharsetAnsi;
}

void ReadExtensionSettings(const QString& workDir, ExtensionSettings& settings) {
    settings.qzoneV2Charset = kIniCharsetAnsi;
    settings.qzoneV3Charset = kIniCharsetAnsi;
    settings.taobaoPriceInName = false;
    settings.taobaoPriceDelta = 0;

    const QString path = QDir(workDir).filePath(QString::fromUtf16(kExtensionIniName));
    if (!QFileInfo(path).isFile())
        return;
    const CIni ini(path);
    const QString qzone = QStringLiteral("QQ空间");
    const QString taobao = QStringLiteral("淘宝");
    const QString ansi = QStringLiteral("ANSI");

    settings.qzoneV2Charset = IniCharsetBits(ini.GetString(qzone, QStringLiteral("V2编码"), ansi));
    settings.qzoneV3Charset = IniCharsetBits(ini.GetString(qzone, QStringLiteral("V3编码"), ansi));
    settings.qzoneTitleMode = ini.GetInt(qzone, QStringLiteral("取原始名方式"), 1);
    settings.qzoneLargePictures = ini.GetInt(qzone, QStringLiteral("下载大图"), 0);
    settings.moodListMode = ini.GetInt(QStringLiteral("QQ说说"), QStringLiteral("下载方式"), 0);
    settings.taobaoPriceDelta = ini.GetInt(taobao, QStringLiteral("价格增减"), 0);
    settings.taobaoBig5 = ini.GetInt(taobao, QStringLiteral("繁体"), 0);
    settings.jdVariantPictures =
        ini.GetInt(QStringLiteral("京东"), QStringLiteral("图片获取方式"), 1);
    const QString price =
        ini.GetString(taobao, QStringLiteral("图片名中是否有价格"), QStringLiteral("无"));
    settings.taobaoPriceInName = price.startsWith(QStringLiteral("有"));
}

} // namespace phodex
