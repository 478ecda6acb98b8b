#pragma once

#include <QFrame>
#include <QString>
#include <QVector>

class QLabel;

// A status bar made of fixed-width text panels side by side, addressed by
// index (the main window's StatusBar1: filled count, clock, state, unused,
// status message).
class PanelStatusBar : public QFrame
{
    Q_OBJECT

public:
    explicit PanelStatusBar(QWidget* parent = nullptr);

    // Appends a panel; a width of 0 gives a panel that takes no room.
    void addPanel(const QString& text, int width);

    // Out-of-range indexes read as the empty text and write nothing.
    QString panelText(int index) const;
    void setPanelText(int index, const QString& text);

private:
    QVector<QLabel*> m_panels;
};
