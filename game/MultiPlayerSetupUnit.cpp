#include "MultiPlayerSetupUnit.h"

TfrmMultiplayerSetup* frmMultiplayerSetup = nullptr;

TfrmMultiplayerSetup::TfrmMultiplayerSetup(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmMultiplayerSetup"));
    setWindowTitle(QStringLiteral("Multiplayer"));
    resize(400, 300);
}
