// SPDX-License-Identifier: MIT
#pragma once

#include "sites/portfolio/portfoliosite.h"

#include <string>

// Yupoo as a loopback fake site under its real host names.
namespace phodex::test {

inline const std::string kShopHost = "xiaodian.x.yupoo.com";
inline const std::string kClassicHost = "www.yupoo.com";
// The browser's cookies for every Yupoo address.
inline const QString kBrowserCookies = QStringLiteral("yupoo_session=s1; uid=7");

class YupooSiteTest : public PortfolioSiteTest {
protected:
    void SetUp() override;

    // A picture operation run as the download job runs it for Yupoo, with
    // the large size chosen or not.
    void runYupooPictures(const PictureOperation& operation, int albumIndex, bool large);
    // The description file the album folder holds, as bytes; "" when none.
    QByteArray descriptionFile(const QString& album) const;
    // text as a description file holds it: UTF-16LE after a byte order mark.
    static QByteArray Utf16WithMark(const QString& text);
};

} // namespace phodex::test
