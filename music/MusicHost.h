#pragma once

#include <QString>
#include <QStringList>

// What the music player reads and writes of the window that shows the music
// controls: the track list, its current track, the music folder and the
// label of the scrolling title.
class MusicHost
{
public:
    virtual ~MusicHost() = default;

    virtual QStringList trackNames() const = 0;
    virtual QString currentTrack() const = 0;
    // Makes a track current without running the list's change handler.
    virtual void setCurrentTrack(const QString& name) = 0;
    // Ends with a separator.
    virtual QString musicFolder() const = 0;
    virtual void showScrollTitle(const QString& text) = 0;
};
