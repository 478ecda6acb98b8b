#include "NameEntryUnit.h"

TfrmEnterName* frmEnterName = nullptr;

TfrmEnterName::TfrmEnterName(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmEnterName"));
    setWindowTitle(QStringLiteral("Enter your name"));
    resize(300, 120);
}
