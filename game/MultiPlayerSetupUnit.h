#pragma once

#include <QWidget>

// The multiplayer setup window. Nothing opens it yet.
class TfrmMultiplayerSetup : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmMultiplayerSetup(QWidget* parent = nullptr);
};

extern TfrmMultiplayerSetup* frmMultiplayerSetup;
