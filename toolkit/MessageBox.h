#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message box, yes/no question and missing-file report of the program
// goes through here, so that tests can capture them (MessageCapture in the
// test support library) and no caller talks to QMessageBox or stderr itself.

// The icon of a box.
enum class MessageKind { Plain, Error, Information, Warning };

using MessageBoxHandler = std::function<void(const QString& text, MessageKind kind)>;
using YesNoHandler = std::function<bool(const QString& question, MessageKind kind)>;
using MissingFileHandler = std::function<void(const QString& path)>;

// The default handler shows a modal box of that kind with an OK button when
// a QApplication exists, and writes the text to stderr otherwise.
void ShowMessage(const QString& text, MessageKind kind = MessageKind::Plain);

// True for yes. The default handler shows a box of that kind with Yes and No
// buttons; without a QApplication it writes the question to stderr and
// answers no.
bool AskYesNo(const QString& question, MessageKind kind);

// The window every box is centred on: the program's main window, so that
// the boxes of two copies of the game on one screen open over their own
// windows. Without one (or once it is gone) a box is centred on the screen.
void setMessageParent(QWidget* window);
QWidget* messageParent();

// A picture the program can do without is missing: the default handler
// writes missingFileMessage(path) to stderr and shows no box, so that the
// start-up goes on undisturbed.
void ReportMissingFile(const QString& path);

// "Fichier <path> absent. Non Chargé..", the text of every missing-file
// report and box.
QString missingFileMessage(const QString& path);

// Each replaces its handler and returns the previous one; an empty handler
// restores the default.
MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler);
YesNoHandler setYesNoHandler(YesNoHandler handler);
MissingFileHandler setMissingFileHandler(MissingFileHandler handler);
