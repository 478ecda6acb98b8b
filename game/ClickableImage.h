#pragma once

#include <QLabel>

// A picture on the options panel that reports a left click (the arrows of
// the option rows, the play, pause, stop and import images).
class ClickableImage : public QLabel
{
    Q_OBJECT

public:
    explicit ClickableImage(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
