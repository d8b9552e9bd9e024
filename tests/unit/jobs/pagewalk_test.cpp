// SPDX-License-Identifier: MIT
#include "core/pagewalk.h"

#include <gtest/gtest.h>

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
