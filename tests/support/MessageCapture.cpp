#include "MessageCapture.h"

MessageCapture::MessageCapture()
    : m_previous(setMessageBoxHandler([this](const QString& text) { m_messages.append(text); }))
    , m_previousYesNo(setYesNoHandler([this](const QString& question, QWidget*) {
        m_questions.append(question);
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
    m_questions.clear();
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
