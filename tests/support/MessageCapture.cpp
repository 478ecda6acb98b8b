#include "MessageCapture.h"

MessageCapture::MessageCapture()
    : m_previous(setMessageBoxHandler([this](const QString& text, MessageKind kind) {
        m_messages.append(text);
        m_messageKinds.append(kind);
    }))
    , m_previousYesNo(setYesNoHandler([this](const QString& question, MessageKind kind) {
        m_questions.append(question);
        m_questionKinds.append(kind);
        return m_answer;
    }))
    , m_previousMissingFile(setMissingFileHandler([this](const QString& path) { m_missingFiles.append(path); }))
{
}

MessageCapture::~MessageCapture()
{
    setMissingFileHandler(std::move(m_previousMissingFile));
    setYesNoHandler(std::move(m_previousYesNo));
    setMessageBoxHandler(std::move(m_previous));
}

const QStringList& MessageCapture::messages() const
{
    return m_messages;
}

int MessageCapture::count() const
{
    return static_cast<int>(m_messages.size());
}

void MessageCapture::clear()
{
    m_messages.clear();
    m_messageKinds.clear();
    m_questions.clear();
    m_questionKinds.clear();
    m_missingFiles.clear();
}

const QStringList& MessageCapture::questions() const
{
    return m_questions;
}

void MessageCapture::answerQuestions(bool yes)
{
    m_answer = yes;
}

const QStringList& MessageCapture::missingFiles() const
{
    return m_missingFiles;
}

void PrintTo(MessageKind kind, std::ostream* out)
{
    static const char* const names[] = {"Plain", "Error", "Information", "Warning"};
    *out << names[static_cast<int>(kind)];
}
