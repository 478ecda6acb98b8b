#pragma once

#include "FakeDisplayBackend.h"
#include "MainUnit.h"
#include "MessageCapture.h"

#include <QImage>
#include <QTimer>
#include <QString>

#include <gtest/gtest.h>

#include <memory>

// The data folder laid out by the asset maker beside the program.
QString dataFolder();
// The temporary home of the test program (settings, fonts, user data).
QString testHome();

// Puts every global of the drawn screen back to its state before start-up:
// buttons, windows, mouse-free board, music flag, font name.
void resetScreenGlobals();

// Removes the stored settings.
void clearSettings();
// Writes one stored setting as text.
void storeSetting(const QString& key, const QVariant& value);
// The stored text of a setting, or a null string.
QString storedSetting(const QString& key);

// A main window started on the built data folder as the program starts it
// (creation, first show, the start-up step) on a fake 1280x1024 display,
// with every message box captured and no stored settings.
class GameWindowTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the window and runs its start-up; appFolder defaults to the
    // built data folder.
    TfrmMain& start(const QString& appFolder = QString());
    // Creates the window without running the start-up.
    TfrmMain& create(const QString& appFolder = QString());
    // Closes the window as the player would.
    void closeWindow();

    // One frame of the frame loop.
    void frame();
    const QImage& screen() const;

    // A left (or right) press at a screen point, as the mouse handlers see it.
    void pressAt(int x, int y, Qt::MouseButton button = Qt::LeftButton);

    // Only the board, without button columns or windows on top.
    void showBoardOnly();

    TfrmMain& window() { return *m_window; }

    std::unique_ptr<TfrmMain> m_window;
    std::shared_ptr<FakeDisplayBackend> m_display;
    std::unique_ptr<MessageCapture> m_messages;
};
