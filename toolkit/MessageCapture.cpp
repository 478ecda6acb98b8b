#include "MessageCapture.h"

MessageCapture::MessageCapture()
    : m_previous(setMessageBoxHandler([this](const QString& text) { m_messages.append(text); }))
{
}

MessageCapture::~MessageCapture()
{
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
}
