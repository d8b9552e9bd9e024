// SPDX-License-Identifier: MIT
#include "windowfixture.h"

#include "ui/messageboxprompt.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <future>

namespace phodex::test {
namespace {

// Runs act on the first visible message box. The box runs its own modal
// loop, so the test reaches it from a timer inside that loop.
void OnBox(QObject* context, std::function<void(QMessageBox*)> act) {
    auto* timer = new QTimer(context);
    QObject::connect(timer, &QTimer::timeout, context, [timer, act] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                timer->stop();
                act(box);
                return;
            }
        }
    });
    timer->start(10);
}

template <typename T> bool Ready(std::future<T>& f) {
    return WaitFor(
        [&] { return f.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
}

// A worker's question is a message box on the GUI thread; the worker waits
// for the answer.
TEST(MessageBoxPrompt, WorkerQuestionsAreAnsweredOnTheGuiThread) {
    QWidget window;
    MessageBoxPrompt prompt(&window);
    QString text;
    QString caption;
    OnBox(&window, [&](QMessageBox* box) {
        text = box->text();
        caption = box->windowTitle();
        box->button(QMessageBox::Yes)->click();
    });
    auto answer = std::async(std::launch::async, [&] {
        return prompt.askYesNo(QStringLiteral("继续吗?"), QStringLiteral("提示"));
    });
    ASSERT_TRUE(Ready(answer));
    EXPECT_TRUE(answer.get());
    EXPECT_EQ(text, QStringLiteral("继续吗?"));
    EXPECT_EQ(caption, QStringLiteral("提示"));
}

// Closing answers the question a worker waits on with No, and every later one at once.
TEST(MessageBoxPrompt, ShutdownAnswersPendingQuestionsNo) {
    QWidget window;
    MessageBoxPrompt prompt(&window);
    bool shown = false;
    OnBox(&window, [&](QMessageBox*) {
        shown = true;
        prompt.shutdown();
    });
    auto answer = std::async(std::launch::async, [&] {
        return prompt.askYesNo(QStringLiteral("下载已获取的图片?"), QStringLiteral("提示"));
    });
    ASSERT_TRUE(Ready(answer));
    EXPECT_FALSE(answer.get());
    EXPECT_TRUE(shown);
    EXPECT_TRUE(WaitFor([] { return !QApplication::activeModalWidget(); }));
    auto later = std::async(std::launch::async, [&] {
        prompt.information(QStringLiteral("x"));
        return prompt.askYesNo(QStringLiteral("再问?"), QStringLiteral("提示"));
    });
    ASSERT_TRUE(Ready(later));
    EXPECT_FALSE(later.get());
}

} // namespace
} // namespace phodex::test
