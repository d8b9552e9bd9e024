// SPDX-License-Identifier: MIT
#include "core/pagewalk.h"

#include <gtest/gtest.h>

#include <vector>

namespace phodex {
namespace {

TEST(PageWalkTest, EndsAtThePageThatBringsNothingNew) {
    PageWalk walk;
    ASSERT_TRUE(walk.nextPage());
    EXPECT_TRUE(walk.isNew("a"));
    EXPECT_TRUE(walk.isNew("b"));
    EXPECT_FALSE(walk.isNew("a")); // twice on one page
    ASSERT_TRUE(walk.nextPage());
    EXPECT_FALSE(walk.isNew("b")); // the site answered the same page again
    EXPECT_FALSE(walk.nextPage());
    EXPECT_TRUE(walk.stalled());
    EXPECT_EQ(walk.pages(), 2);
}

// A page without items (its records name no picture) goes on unless the
// same page came before; a page whose items were all seen ends the walk
// whatever its text.
TEST(PageWalkTest, APageWithoutItemsEndsTheWalkOnlyWhenItRepeatsAnEarlierPage) {
    const struct {
        const char* what;
        std::vector<std::vector<QString>> pages; // per page its items; {} for none
        std::vector<QString> texts;
        int pagesRead;
    } cases[] = {
        {.what = "an empty page in the middle",
         .pages = {{"a"}, {}, {"b"}},
         .texts = {"1", "2", "3"},
         .pagesRead = 3},
        {.what = "the empty page again",
         .pages = {{"a"}, {}, {}, {"b"}},
         .texts = {"1", "2", "2", "4"},
         .pagesRead = 3},
        {.what = "the same items on a page of other text",
         .pages = {{"a"}, {"a"}, {"b"}},
         .texts = {"1", "2", "3"},
         .pagesRead = 2},
    };
    for (const auto& c : cases) {
        PageWalk walk;
        size_t read = 0;
        while (read < c.pages.size() && walk.nextPage()) {
            for (const QString& item : c.pages[read])
                walk.isNew(item);
            walk.notePage(c.texts[read]);
            ++read;
        }
        EXPECT_EQ(walk.pages(), c.pagesRead) << c.what;
        EXPECT_EQ(read, size_t(c.pagesRead)) << c.what;
    }
}

TEST(PageWalkTest, EndsAtTheCapWhenEveryPageIsNew) {
    PageWalk walk(5);
    int pages = 0;
    while (walk.nextPage())
        walk.isNew(QString::number(++pages));
    EXPECT_EQ(pages, 5);
    EXPECT_FALSE(walk.stalled());
}

} // namespace
} // namespace phodex
