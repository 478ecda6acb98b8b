#pragma once

#include <QLineEdit>

// A line edit that limits what the player puts into it, by any way (typing,
// input methods, pasting by keys, context menu or middle button, dropping,
// insert()) to a number of characters, without cutting a longer text that the
// program itself sets (a name loaded from a saved game, a track title), which
// QLineEdit's own maximum length would cut. A player's change never leaves
// the text longer than both the limit and the text before it; of an inserted
// text only the beginning that fits is kept.
class LimitedLineEdit : public QLineEdit
{
public:
    LimitedLineEdit(const QString& text, int typedLimit, QWidget* parent = nullptr);

    int typedLimit() const { return m_typedLimit; }
    // The text as it stood before the change under validation.
    const QString& acceptedText() const { return m_accepted; }

private:
    int m_typedLimit;
    QString m_accepted;
};
