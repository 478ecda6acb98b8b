#pragma once

#include <QString>

#include <functional>

using MessageBoxHandler = std::function<void(const QString&)>;

// Every message box of the program goes through here. The default handler
// shows a modal box with an OK button when a QApplication exists, and
// writes the text to stderr otherwise.
void ShowMessage(const QString& text);

// Replaces the handler and returns the previous one; an empty handler
// restores the default.
MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler);
