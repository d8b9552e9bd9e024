// SPDX-License-Identifier: MIT
#include "windowfixture.h"

#include "core/catalogue.h"
#include "settings/record.h"

#include <QMenu>

namespace phodex::test {
namespace {

std::uint16_t SavedOptions(const QString& workDir, Category listType) {
    SettingsRecord record;
    EXPECT_TRUE(LoadSettings(workDir, record));
    return record.profileFor(listType).optionFlags;
}

TEST_F(WindowTest, OptionItemsFlipTheCurrentCategorysBitsAndSaveThem) {
    StartWindow();
    SelectCategory(Category::Yupoo);
    const struct {
        int id;
        std::uint16_t bit;
    } items[] = {{32800, 0x0001}, {32799, 0x0002}, {32804, 0x0004}, {32802, 0x0008},
                 {32812, 0x0010}, {32774, 0x0040}, {32776, 0x0080}};
    // A first run starts with the default options of each category.
    std::uint16_t expected = SavedOptions(session.workDir, Category::Yupoo);
    const std::uint16_t instagram = SavedOptions(session.workDir, Category::Instagram);
    for (const auto& item : items) {
        SCOPED_TRACE(item.id);
        QAction* action = window->action(item.id);
        ASSERT_TRUE(action->isEnabled());
        EXPECT_EQ(action->isChecked(), (expected & item.bit) != 0);
        action->trigger();
        expected ^= item.bit;
        EXPECT_EQ(SavedOptions(session.workDir, Category::Yupoo), expected);
        EXPECT_EQ(action->isChecked(), (expected & item.bit) != 0);
    }
    window->action(32800)->trigger();
    EXPECT_EQ(SavedOptions(session.workDir, Category::Yupoo), expected ^ 0x0001);
    // Options are per category.
    EXPECT_EQ(SavedOptions(session.workDir, Category::Instagram), instagram);
    SelectCategory(Category::Instagram);
    EXPECT_EQ(window->action(32802)->isChecked(), (instagram & 0x0008) != 0);
}

TEST_F(WindowTest, ShopOptionsExcludeEachOtherAndAreOfferedOnlyToShops) {
    StartWindow();
    SelectCategory(Category::Yupoo);
    EXPECT_FALSE(window->action(32808)->isEnabled());
    EXPECT_FALSE(window->action(32814)->isEnabled());
    EXPECT_TRUE(window->action(32776)->isEnabled());

    SelectCategory(Category::Shops);
    EXPECT_FALSE(window->action(32776)->isEnabled());
    ASSERT_TRUE(window->action(32808)->isEnabled());
    const std::uint16_t others =
        SavedOptions(session.workDir, Category::Shops) & ~(0x0020 | 0x0100);
    if (window->action(32808)->isChecked())
        window->action(32808)->trigger();
    EXPECT_EQ(SavedOptions(session.workDir, Category::Shops) & 0x0120, 0x0000);
    window->action(32808)->trigger();
    EXPECT_EQ(SavedOptions(session.workDir, Category::Shops), others | 0x0020);
    window->action(32814)->trigger();
    EXPECT_EQ(SavedOptions(session.workDir, Category::Shops), others | 0x0100);
    EXPECT_FALSE(window->action(32808)->isChecked());
    EXPECT_TRUE(window->action(32814)->isChecked());
    window->action(32814)->trigger();
    EXPECT_EQ(SavedOptions(session.workDir, Category::Shops), others);
    window->action(32814)->trigger();
    window->action(32808)->trigger();
    EXPECT_EQ(SavedOptions(session.workDir, Category::Shops), others | 0x0020);

    SelectCategory(Category::Jd);
    EXPECT_TRUE(window->action(32814)->isEnabled());
}

} // namespace
} // namespace phodex::test
