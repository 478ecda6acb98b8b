#include "MessageBox.h"
#include "MessageCapture.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

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

// Other tests of this program create the application object, after which the
// default handler would open a modal box. The check therefore runs in a fresh
// copy of the program ("threadsafe" death tests start one), where no test has
// created it.
TEST(MessageBoxHandler, DefaultWithoutApplicationWritesToStderr)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setMessageBoxHandler({});
            if (QCoreApplication::instance())
                std::_Exit(2);
            ShowMessage(QStringLiteral("no window here"));
            std::fflush(stderr);
            std::_Exit(0);
        },
        testing::ExitedWithCode(0), "no window here");
}

TEST(MessageCapture, RecordsQuestionsAndMissingFilesApartFromTheMessages)
{
    MessageCapture capture;
    EXPECT_FALSE(AskYesNo(QStringLiteral("Stop?"))) << "no until told otherwise";
    capture.answerQuestions(true);
    EXPECT_TRUE(AskYesNo(QStringLiteral("Really?")));
    ReportMissingFile(QStringLiteral("/data/graphisme/splash.bmp"));
    EXPECT_EQ(capture.questions(), QStringList({"Stop?", "Really?"}));
    EXPECT_EQ(capture.missingFiles(), QStringList{"/data/graphisme/splash.bmp"});
    EXPECT_EQ(capture.count(), 0);
}

TEST(MessageBoxHandler, WithoutApplicationMissingFilesAndQuestionsGoToStderr)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setMissingFileHandler({});
            setYesNoHandler({});
            if (QCoreApplication::instance())
                std::_Exit(2);
            ReportMissingFile(QStringLiteral("/x/accueil.bmp"));
            const bool yes = AskYesNo(QStringLiteral("Go on?"));
            std::fflush(stderr);
            std::_Exit(yes ? 3 : 0);
        },
        testing::ExitedWithCode(0), "Fichier /x/accueil.bmp absent. Non Charg.*Go on\\?");
}
