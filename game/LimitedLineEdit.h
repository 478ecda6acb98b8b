#pragma once

#include <QLineEdit>

// A line edit that limits what the player types (or pastes) to a number of
// characters, without cutting a longer text that the program itself puts into
// it (a name loaded from a saved game, a track title), which QLineEdit's own
// maximum length would cut.
class LimitedLineEdit : public QLineEdit
{
public:
    LimitedLineEdit(const QString& text, int typedLimit, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // Undoes the change the event made when it left the text longer than
    // both the limit and the text before it.
    template <typename Handle>
    void limited(Handle handle);

    int m_typedLimit;
};
