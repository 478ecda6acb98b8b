#pragma once

#include "MessageBox.h"

#include <QStringList>

// Records every ShowMessage text while alive instead of showing it, then
// puts the previous handler back. Captures nest.
class MessageCapture {
public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    const QStringList& messages() const;
    int count() const;
    void clear();

private:
    QStringList m_messages;
    MessageBoxHandler m_previous;
};
