#include "DebugUnit.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TfrmDebug* frmDebug = nullptr;

TfrmDebug::TfrmDebug(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmDebug"));
    setWindowTitle(QStringLiteral("Debug Information"));
    resize(294, 368);

    Memo2 = new QPlainTextEdit(this);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setReadOnly(true);
    Memo2->setPlainText(QStringLiteral("Memo2"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo2);
}

void TfrmDebug::addLine(const QString& line)
{
    Memo2->appendPlainText(line);
}
