#include "SetupHostingUnit.h"

TfrmSetupHosting* frmSetupHosting = nullptr;

TfrmSetupHosting::TfrmSetupHosting(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmSetupHosting"));
    setWindowTitle(QStringLiteral("Host a game"));
    resize(400, 300);
}
