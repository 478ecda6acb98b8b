#pragma once

#include "MessageBox.h"

#include <QStringList>

#include <ostream>

// Records every ShowMessage text, AskYesNo question (each with its kind) and
// ReportMissingFile path while alive instead of showing them, then puts the previous handlers
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
    // The kind of each box, in the order of messages().
    const QList<MessageKind>& messageKinds() const { return m_messageKinds; }
    int count() const;
    // Empties all three records.
    void clear();

    const QStringList& questions() const;
    const QList<MessageKind>& questionKinds() const { return m_questionKinds; }
    void answerQuestions(bool yes);

    const QStringList& missingFiles() const;

private:
    QStringList m_messages;
    QList<MessageKind> m_messageKinds;
    QStringList m_questions;
    QList<MessageKind> m_questionKinds;
    QStringList m_missingFiles;
    bool m_answer = false;
    MessageBoxHandler m_previous;
    YesNoHandler m_previousYesNo;
    MissingFileHandler m_previousMissingFile;
};

// Names a kind in test failure output.
void PrintTo(MessageKind kind, std::ostream* out);
