#pragma once

#include <QWidget>

class QPlainTextEdit;

// The debug window, never shown: its memo Memo2 collects the generator's
// notes ("Cant remove any more items").
class TfrmDebug : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmDebug(QWidget* parent = nullptr);

    // Appends one line to Memo2.
    void addLine(const QString& line);

    QPlainTextEdit* Memo2 = nullptr;
};

extern TfrmDebug* frmDebug;
