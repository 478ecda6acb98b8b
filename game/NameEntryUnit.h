#pragma once

#include <QWidget>

// The name prompt of the multiplayer dialogs. Nothing opens it yet.
class TfrmEnterName : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmEnterName(QWidget* parent = nullptr);
};

extern TfrmEnterName* frmEnterName;
