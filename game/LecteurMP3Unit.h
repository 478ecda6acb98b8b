#pragma once

#include <QWidget>

// The music player window. It is created at start-up and never shown; the music controls live on the main window's options panel.
class TFormLecteurMP3 : public QWidget
{
    Q_OBJECT

public:
    explicit TFormLecteurMP3(QWidget* parent = nullptr);
};

extern TFormLecteurMP3* FormLecteurMP3;

// The music player's paused flag, kept in the setting "Musique": when it is
// set at start-up the music does not start.
extern bool MusicPaused;
