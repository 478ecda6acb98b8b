// The keyboard: the window's key preview, which hands every key released in
// the window to FormKeyUp, and FormKeyUp itself.
#include "MainUnit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// Key releases meant for the main window or any of its controls reach
// FormKeyUp before the control sees them; the control still gets them.
class KeyPreview : public QObject
{
public:
    explicit KeyPreview(TfrmMain* window)
        : QObject(window)
        , m_window(window)
    {
        qApp->installEventFilter(this);
    }
    ~KeyPreview() override
    {
        if (qApp)
            qApp->removeEventFilter(this);
    }
    KeyPreview(const KeyPreview&) = delete;
    KeyPreview& operator=(const KeyPreview&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyRelease)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        // A key event climbs from the focused control to its parents; only
        // its first receiver counts, so that one release is seen once.
        QWidget* first = QApplication::focusWidget();
        if (!first || first->window() != m_window)
            first = m_window;
        if (watched != first || key->isAutoRepeat())
            return false;
        m_window->FormKeyUp(windowsKeyCode(*key));
        return false;
    }

private:
    // The virtual-key code of the key: digits and letters by their upper-case
    // character code, digits of the keypad from 96 on.
    static int windowsKeyCode(const QKeyEvent& key)
    {
        const int k = key.key();
        if ((key.modifiers() & Qt::KeypadModifier) && k >= Qt::Key_0 && k <= Qt::Key_9)
            return 96 + (k - Qt::Key_0);
        return k;
    }

    TfrmMain* m_window;
};

// The developer's name that arms the shortcut of FormKeyUp.
const QString kDeveloperName = QStringLiteral("Térovine");
// The key of the digit 1 on the main keyboard.
constexpr int kDigitOneKey = 49;

} // namespace

void TfrmMain::connectKeyPreview()
{
    if (qApp)
        new KeyPreview(this);
}

void TfrmMain::FormKeyUp(int key)
{
    // Compared as typed: letter case and the accent count.
    if (key == kDigitOneKey && NomDuJoueur->text() == kDeveloperName)
        FForceSolved = true;
}
