// SPDX-License-Identifier: MIT
#include "windowfixture.h"

#include "core/catalogue.h"
#include "core/sitehosts.h"

#include <QClipboard>
#include <QGuiApplication>

namespace phodex::test {
namespace {

QString Https(HostRole role, const char* path = "/1") {
    return QStringLiteral("https://") + SiteHosts::get(role) + QLatin1String(path);
}

// Typing an address picks the category and the QQ sub-type, and the category
// box shows the sub-type box only for the QQ category.
TEST_F(WindowTest, TypedAddressesSwitchCategoryAndSubType) {
    StartWindow();
    const struct {
        QString address;
        Category category;
        int subType; // the sub-type box's entry; -1: the box is hidden
    } cases[] = {
        {Https(HostRole::QqGroupHost), Category::Qq, 1},
        {Https(HostRole::TencentWeiboHost), Category::Qq, 2},
        {Https(HostRole::QzoneUserHost, "/12345"), Category::Qq, 0},
        {QStringLiteral("12345"), Category::Qq, 0},
        {QStringLiteral("https://www.") + SiteHosts::get(HostRole::YupooMarker), Category::Yupoo,
         -1},
        {QStringLiteral("67890"), Category::Yupoo, -1},
        {QStringLiteral("https://example.org/x"), Category::Yupoo, -1},
        {QStringLiteral("https://item.") + SiteHosts::get(HostRole::ZolMarker) +
             QStringLiteral("/1.html"),
         Category::Jd, -1},
        {QStringLiteral("https://") + SiteHosts::get(HostRole::WeiboMarker) + QStringLiteral("u/1"),
         Category::Sina, -1},
        {Https(HostRole::QqGroupHost), Category::Qq, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address.toStdString());
        TypeAddress(c.address);
        EXPECT_EQ(CategoryBox()->currentIndex(), categoryIndex(c.category));
        EXPECT_EQ(window->listType(), c.category);
        EXPECT_EQ(SubTypeBox()->isVisible(), c.subType >= 0);
        if (c.subType >= 0) {
            EXPECT_EQ(SubTypeBox()->currentIndex(), c.subType);
        }
    }
}

TEST_F(WindowTest, CategoryChosenByHandStaysForAddressesWithoutMarkers) {
    StartWindow();
    SelectCategory(Category::Zol);
    EXPECT_EQ(window->listType(), Category::Zol);
    EXPECT_FALSE(SubTypeBox()->isVisible());
    TypeAddress(QStringLiteral("https://example.org/zol"));
    EXPECT_EQ(window->listType(), Category::Zol);

    // A category the site table adds is kept the same way.
    SelectCategory(kPhotoSiteListType);
    TypeAddress(TestSiteAddress("tester"));
    EXPECT_EQ(window->listType(), kPhotoSiteListType);
    EXPECT_EQ(CategoryBox()->currentIndex(), categoryIndex(kPhotoSiteListType));
    TypeAddress(Https(HostRole::QqGroupHost));
    EXPECT_EQ(window->listType(), Category::Qq);
    EXPECT_EQ(SubTypeBox()->currentIndex(), 1);
}

TEST_F(WindowTest, ClipboardTextBelow200CharactersBecomesTheAddress) {
    setup.readClipboard = true;
    for (int length : {199, 200}) {
        SCOPED_TRACE(length);
        const QString text(length, QLatin1Char('7'));
        QGuiApplication::clipboard()->setText(text);
        session.ready = false;
        StartWindow();
        EXPECT_EQ(Address()->currentText(), length < 200 ? text : QString());
        window.reset();
    }
}

} // namespace
} // namespace phodex::test
