#pragma once

#include <QString>
#include <QWidget>

class QLabel;

// The splash window: the picture graphisme/splash.bmp, borderless, always on
// top and slightly see-through, on screen while the other windows are created
// and until the main window's start-up closes it.
class TfrmAbout : public QWidget
{
    Q_OBJECT

public:
    // appFolder is the program's folder, ending with a separator.
    explicit TfrmAbout(const QString& appFolder, QWidget* parent = nullptr);

    void FormCreate();

    QLabel* Image1 = nullptr;

private:
    QString m_appFolder;
};

extern TfrmAbout* frmAbout;
