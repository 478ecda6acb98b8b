#include "LimitedLineEdit.h"

#include <QValidator>

#include <algorithm>

namespace {

// QLineEdit asks its validator about every change the player makes, and
// applies a corrected text the validator gives back; setText() is not held
// back by it. Told apart here by the undo history: a player's change has
// just been recorded in it, setText() has just cleared it.
class LengthValidator : public QValidator
{
public:
    explicit LengthValidator(LimitedLineEdit* edit)
        : QValidator(edit), m_edit(edit)
    {
    }

    State validate(QString& input, int& pos) const override
    {
        const QString& before = m_edit->acceptedText();
        const qsizetype allowed = std::max<qsizetype>(m_edit->typedLimit(), before.size());
        if (input.size() <= allowed || !m_edit->isUndoAvailable())
            return Acceptable;

        // The inserted run: what lies between the parts the change kept at
        // both ends. It is at least as long as the excess, since the text
        // before was within the allowance.
        qsizetype head = 0;
        while (head < before.size() && head < input.size() && before[head] == input[head])
            ++head;
        qsizetype tail = 0;
        while (tail < before.size() - head && tail < input.size() - head
               && before[before.size() - 1 - tail] == input[input.size() - 1 - tail])
            ++tail;
        const qsizetype runEnd = input.size() - tail;
        qsizetype cut = input.size() - allowed;
        qsizetype cutStart = runEnd - cut;
        // Never keep half of a surrogate pair.
        if (cutStart > head && input[cutStart - 1].isHighSurrogate()) {
            --cutStart;
            ++cut;
        }
        input.remove(cutStart, cut);
        if (pos > cutStart)
            pos = static_cast<int>(std::max(cutStart, pos - cut));
        return Acceptable;
    }

private:
    LimitedLineEdit* m_edit;
};

} // namespace

LimitedLineEdit::LimitedLineEdit(const QString& text, int typedLimit, QWidget* parent)
    : QLineEdit(text, parent), m_typedLimit(typedLimit), m_accepted(text)
{
    setValidator(new LengthValidator(this));
    connect(this, &QLineEdit::textChanged, this, [this] { m_accepted = QLineEdit::text(); });
}
