#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>

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

void defaultMessage(const QString& text)
{
    if (haveWidgets()) {
        QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text,
                        QMessageBox::Ok);
        box.exec();
        return;
    }
    writeToStderr(text);
}

bool defaultYesNo(const QString& question, QWidget* parent)
{
    if (haveWidgets())
        return QMessageBox::warning(parent, QCoreApplication::applicationName(), question,
                                    QMessageBox::Yes | QMessageBox::No)
               == QMessageBox::Yes;
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

void ShowMessage(const QString& text)
{
    // A copy, so that a handler may replace itself while it runs.
    const MessageBoxHandler handler = messageSlot().current;
    handler(text);
}

bool AskYesNo(const QString& question, QWidget* parent)
{
    const YesNoHandler handler = yesNoSlot().current;
    return handler(question, parent);
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
