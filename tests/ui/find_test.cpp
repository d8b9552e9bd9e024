// SPDX-License-Identifier: MIT
#include "windowfixture.h"

#include "ui/dlgfind.h"
#include "ui/gridsearch.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace phodex::test {
namespace {

class FindTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        TestOwner owner{"tester", {}, 5, false};
        owner.albums = {{"a1", "alpha", 1},
                        {"a2", "Beta", 2},
                        {"a3", "gamma", 3},
                        {"a4", "beta2", 4},
                        {"a5", "delta", 5}};
        ServeTestSite(site, "tester", owner);
        StartWindow();
        ListInWindow();
    }
    std::vector<int> SelectedRows() {
        std::vector<int> rows;
        for (const QModelIndex& index : Grid()->selectionModel()->selectedRows())
            rows.push_back(index.row());
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    CDlgFind* OpenFind() {
        window->openFind();
        return window->findWindow();
    }
    void Search(CDlgFind* box, const QString& keyword, bool next = true) {
        box->keywordEdit()->setText(keyword);
        (next ? box->defaultButton() : box->previousButton())->click();
    }
};

TEST_F(FindTest, NextAndPreviousGoRoundTheRows) {
    CDlgFind* box = OpenFind();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->defaultButton()->text(), QStringLiteral("下一个"));
    EXPECT_TRUE(Grid()->wholeRow());

    Search(box, QStringLiteral("0003"));
    EXPECT_EQ(SelectedRows(), (std::vector<int>{2}));

    Grid()->clearSelection();
    Search(box, QStringLiteral("  beta "));
    EXPECT_EQ(SelectedRows(), (std::vector<int>{1}));
    box->defaultButton()->click();
    EXPECT_EQ(SelectedRows(), (std::vector<int>{3}));
    box->defaultButton()->click();
    EXPECT_EQ(SelectedRows(), (std::vector<int>{1}));
    box->previousButton()->click();
    EXPECT_EQ(SelectedRows(), (std::vector<int>{3}));

    Grid()->clearSelection();
    Search(box, QStringLiteral("beta"), false);
    EXPECT_EQ(SelectedRows(), (std::vector<int>{3}));
}

TEST_F(FindTest, CaseAndWholeWordNarrowTheMatch) {
    CDlgFind* box = OpenFind();
    box->caseBox()->setChecked(true);
    Search(box, QStringLiteral("beta"));
    EXPECT_EQ(SelectedRows(), (std::vector<int>{3}));
    box->caseBox()->setChecked(false);
    box->wholeWordBox()->setChecked(true);
    Grid()->clearSelection();
    Search(box, QStringLiteral("beta"));
    box->defaultButton()->click();
    EXPECT_EQ(SelectedRows(), (std::vector<int>{1})); // beta2 is no whole match

    Search(box, QStringLiteral("nothing"));
    EXPECT_EQ(SelectedRows(), (std::vector<int>{1})); // no match keeps the selection
    Search(box, QStringLiteral("   "));
    EXPECT_EQ(dialogs.informations().last(), QStringLiteral("关键字不能为空"));

    box->closeBox();
    EXPECT_FALSE(box->isVisible());
    EXPECT_FALSE(Grid()->wholeRow());
    window->openFind();
    EXPECT_EQ(window->findWindow(), box); // kept for the next use
}

TEST_F(FindTest, FilterShowsMatchingAlbumsForOneRefill) {
    const auto filter = [this](const QString& keyword) {
        window->openFilter();
        auto* box = window->findChild<CDlgFind*>(QStringLiteral("filterBox"));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->defaultButton()->text(), QStringLiteral("筛选"));
        EXPECT_FALSE(box->caseBox()->isVisible());
        box->keywordEdit()->setText(keyword);
        box->defaultButton()->click();
        ASSERT_TRUE(
            WaitFor([this] { return !window->findChild<CDlgFind*>(QStringLiteral("filterBox")); }));
    };
    filter(QStringLiteral(" eta"));
    ASSERT_EQ(Model().rowCount(), 2);
    EXPECT_EQ(Model().rowTexts(0).mid(0, 2),
              (QStringList{QStringLiteral("0001"), QStringLiteral("Beta")}));
    EXPECT_EQ(Model().rowTexts(1).mid(0, 2),
              (QStringList{QStringLiteral("0002"), QStringLiteral("beta2")}));
    // The row keeps its album: a download takes the filtered album.
    Grid()->selectOnlyRow(1);
    EXPECT_EQ(window->tickedAlbums(), (std::vector<int>{3}));

    filter(QStringLiteral("zzz"));
    EXPECT_EQ(Model().rowCount(), 0);
    // The next refill shows every album again.
    window->setThumbnailMode(true);
    ASSERT_TRUE(WaitFor([this] { return window->thumbJobState() == 0; }));
    window->setThumbnailMode(false);
    ASSERT_TRUE(WaitFor([this] { return window->thumbJobState() == 0; }));
    EXPECT_EQ(Model().rowCount(), 5);
}

TEST(GridSearch, StartsAfterTheSelectionAndGoesRound) {
    const QStringList rows = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("a"),
                              QStringLiteral("c")};
    const auto texts = [&](int row) { return QStringList{rows[row]}; };
    SearchOptions options;
    options.keyword = QStringLiteral("a");
    EXPECT_EQ(FindRow(4, texts, options, 4, SearchDirection::Down), 0);
    EXPECT_EQ(FindRow(4, texts, options, 0, SearchDirection::Down), 2);
    EXPECT_EQ(FindRow(4, texts, options, 2, SearchDirection::Down), 0);
    EXPECT_EQ(FindRow(4, texts, options, 4, SearchDirection::Up), 2);
    EXPECT_EQ(FindRow(4, texts, options, 0, SearchDirection::Up), 2);
    options.keyword = QStringLiteral("x");
    EXPECT_EQ(FindRow(4, texts, options, 1, SearchDirection::Down), -1);
    EXPECT_EQ(FindRow(0, texts, options, 0, SearchDirection::Down), -1);
}

} // namespace
} // namespace phodex::test
