#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>

#include <algorithm>
#include <cstdio>

namespace {

bool haveWidgets()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

void writeToStderr(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

QPointer<QWidget>& parentWindow()
{
    static QPointer<QWidget> window;
    return window;
}

QMessageBox::Icon iconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Plain:
        break;
    }
    return QMessageBox::NoIcon;
}

// Centred on its parent's window. QMessageBox takes its final size only in
// its own show event, after the dialog was placed by an earlier size, so the
// box is centred again then, and kept on the parent's screen.
class CentredMessageBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        const QWidget* owner = parentWidget();
        if (!owner)
            return;
        QRect box(QPoint(), frameGeometry().size());
        box.moveCenter(owner->window()->frameGeometry().center());
        if (const QScreen* screen = owner->screen()) {
            const QRect desk = screen->availableGeometry();
            box.moveLeft(std::max(desk.left(), std::min(box.left(), desk.right() + 1 - box.width())));
            box.moveTop(std::max(desk.top(), std::min(box.top(), desk.bottom() + 1 - box.height())));
        }
        move(box.topLeft());
    }
};

int execBox(const QString& text, MessageKind kind, QMessageBox::StandardButtons buttons)
{
    CentredMessageBox box(iconOf(kind), QCoreApplication::applicationName(), text, buttons, messageParent());
    return box.exec();
}

void defaultMessage(const QString& text, MessageKind kind)
{
    if (haveWidgets()) {
        execBox(text, kind, QMessageBox::Ok);
        return;
    }
    writeToStderr(text);
}

bool defaultYesNo(const QString& question, MessageKind kind)
{
    if (haveWidgets())
        return execBox(question, kind, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    writeToStderr(question);
    return false;
}

void defaultMissingFile(const QString& path)
{
    writeToStderr(missingFileMessage(path));
}

// One handler slot with its default.
template <typename Handler>
struct Slot {
    Handler fallback;
    Handler current = fallback;

    Handler replace(Handler handler)
    {
        Handler previous = std::move(current);
        current = handler ? std::move(handler) : fallback;
        return previous;
    }
};

Slot<MessageBoxHandler>& messageSlot()
{
    static Slot<MessageBoxHandler> slot{defaultMessage};
    return slot;
}

Slot<YesNoHandler>& yesNoSlot()
{
    static Slot<YesNoHandler> slot{defaultYesNo};
    return slot;
}

Slot<MissingFileHandler>& missingFileSlot()
{
    static Slot<MissingFileHandler> slot{defaultMissingFile};
    return slot;
}

} // namespace

void ShowMessage(const QString& text, MessageKind kind)
{
    // A copy, so that a handler may replace itself while it runs.
    const MessageBoxHandler handler = messageSlot().current;
    handler(text, kind);
}

bool AskYesNo(const QString& question, MessageKind kind)
{
    const YesNoHandler handler = yesNoSlot().current;
    return handler(question, kind);
}

void setMessageParent(QWidget* window)
{
    parentWindow() = window;
}

QWidget* messageParent()
{
    return parentWindow().data();
}

void ReportMissingFile(const QString& path)
{
    const MissingFileHandler handler = missingFileSlot().current;
    handler(path);
}

QString missingFileMessage(const QString& path)
{
    return QStringLiteral("Fichier ") + path + QStringLiteral(" absent. Non Chargé..");
}

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler)
{
    return messageSlot().replace(std::move(handler));
}

YesNoHandler setYesNoHandler(YesNoHandler handler)
{
    return yesNoSlot().replace(std::move(handler));
}

MissingFileHandler setMissingFileHandler(MissingFileHandler handler)
{
    return missingFileSlot().replace(std::move(handler));
}
