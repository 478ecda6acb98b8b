#pragma once

#include <QWidget>

// The hosting dialog. Nothing opens it yet.
class TfrmSetupHosting : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmSetupHosting(QWidget* parent = nullptr);
};

extern TfrmSetupHosting* frmSetupHosting;
