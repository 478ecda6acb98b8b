#include "MessageBox.h"
#include "MessageCapture.h"

#include <gtest/gtest.h>

TEST(MessageCapture, RecordsMessagesInOrderWhileAlive)
{
    MessageCapture capture;
    ShowMessage(QStringLiteral("first"));
    ShowMessage(QStringLiteral("second é"));
    EXPECT_EQ(capture.messages(), QStringList({"first", "second é"}));
    EXPECT_EQ(capture.count(), 2);
    capture.clear();
    EXPECT_EQ(capture.count(), 0);
}

TEST(MessageCapture, NestedCaptureHandsBackToTheOuterOne)
{
    MessageCapture outer;
    {
        MessageCapture inner;
        ShowMessage(QStringLiteral("inner"));
        EXPECT_EQ(inner.messages(), QStringList{"inner"});
    }
    ShowMessage(QStringLiteral("outer"));
    EXPECT_EQ(outer.messages(), QStringList{"outer"});
}

TEST(MessageBoxHandler, HandlerMayReplaceItselfWhileRunning)
{
    MessageCapture capture;
    MessageBoxHandler outer;
    outer = setMessageBoxHandler([&](const QString& text) {
        setMessageBoxHandler(std::move(outer));
        ShowMessage(text + QStringLiteral(" forwarded"));
    });
    ShowMessage(QStringLiteral("once"));
    ShowMessage(QStringLiteral("twice"));
    EXPECT_EQ(capture.messages(), QStringList({"once forwarded", "twice"}));
}

TEST(MessageBoxHandler, DefaultWithoutApplicationWritesToStderr)
{
    MessageBoxHandler previous = setMessageBoxHandler({});
    testing::internal::CaptureStderr();
    ShowMessage(QStringLiteral("no window here"));
    const std::string err = testing::internal::GetCapturedStderr();
    setMessageBoxHandler(std::move(previous));
    EXPECT_NE(err.find("no window here"), std::string::npos);
}
