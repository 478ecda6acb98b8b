#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message box, yes/no question and missing-file report of the program
// goes through here, so that tests can capture them (MessageCapture in the
// test support library) and no caller talks to QMessageBox or stderr itself.

using MessageBoxHandler = std::function<void(const QString&)>;
using YesNoHandler = std::function<bool(const QString& question, QWidget* parent)>;
using MissingFileHandler = std::function<void(const QString& path)>;

// The default handler shows a modal box with an OK button when a
// QApplication exists, and writes the text to stderr otherwise.
void ShowMessage(const QString& text);

// True for yes. The default handler shows a warning box with Yes and No
// buttons over parent; without a QApplication it writes the question to
// stderr and answers no.
bool AskYesNo(const QString& question, QWidget* parent = nullptr);

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
