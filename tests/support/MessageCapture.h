#pragma once

#include "MessageBox.h"

#include <QStringList>

// Records every ShowMessage text, AskYesNo question and ReportMissingFile
// path while alive instead of showing them, then puts the previous handlers
// back. Questions get the answer set by answerQuestions (no until then).
// Captures nest.
class MessageCapture {
public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    // The message boxes.
    const QStringList& messages() const;
    int count() const;
    // Empties all three records.
    void clear();

    const QStringList& questions() const;
    void answerQuestions(bool yes);

    const QStringList& missingFiles() const;

private:
    QStringList m_messages;
    QStringList m_questions;
    QStringList m_missingFiles;
    bool m_answer = false;
    MessageBoxHandler m_previous;
    YesNoHandler m_previousYesNo;
    MissingFileHandler m_previousMissingFile;
};
