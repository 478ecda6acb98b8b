#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace {

void defaultHandler(const QString& text)
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text,
                        QMessageBox::Ok);
        box.exec();
        return;
    }
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

MessageBoxHandler& currentHandler()
{
    static MessageBoxHandler handler = defaultHandler;
    return handler;
}

} // namespace

void ShowMessage(const QString& text)
{
    // A copy, so that a handler may replace itself while it runs.
    const MessageBoxHandler handler = currentHandler();
    handler(text);
}

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler)
{
    MessageBoxHandler previous = std::move(currentHandler());
    currentHandler() = handler ? std::move(handler) : MessageBoxHandler(defaultHandler);
    return previous;
}
