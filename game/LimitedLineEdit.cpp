#include "LimitedLineEdit.h"

#include <algorithm>

LimitedLineEdit::LimitedLineEdit(const QString& text, int typedLimit, QWidget* parent)
    : QLineEdit(text, parent), m_typedLimit(typedLimit)
{
}

template <typename Handle>
void LimitedLineEdit::limited(Handle handle)
{
    const QString before = text();
    const int cursor = cursorPosition();
    handle();
    if (text().size() > std::max<qsizetype>(m_typedLimit, before.size())) {
        setText(before);
        setCursorPosition(cursor);
    }
}

void LimitedLineEdit::keyPressEvent(QKeyEvent* event)
{
    limited([&] { QLineEdit::keyPressEvent(event); });
}

void LimitedLineEdit::inputMethodEvent(QInputMethodEvent* event)
{
    limited([&] { QLineEdit::inputMethodEvent(event); });
}
