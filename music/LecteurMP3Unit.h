#pragma once

#include "MediaDevice.h"
#include "TrackList.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

class MusicHost;
class QTimer;

// The music player: plays the current track of the host's list from the
// host's music folder, follows a finished track with one drawn at random
// from the list, and scrolls the title in the host's label. It is never
// shown: its own time, progress and title displays are plain values that
// nothing reads but the tests.
class TFormLecteurMP3 : public QObject
{
    Q_OBJECT

public:
    // A null device means SDL_mixer's music stream.
    explicit TFormLecteurMP3(MusicHost* host = nullptr, std::unique_ptr<MediaDevice> device = nullptr,
                             QObject* parent = nullptr);
    ~TFormLecteurMP3() override;

    MusicHost* host() const { return m_host; }
    // The host must outlive the player or be taken away first.
    void setHost(MusicHost* host) { m_host = host; }

    MediaDevice* MediaPlayerMP3 = nullptr;
    // On exactly while a track is loaded, playing or paused; 1 s.
    QTimer* TimerMP3 = nullptr;
    // 200 ms, on from creation until the main window closes.
    QTimer* TimerDefilement = nullptr;

    // The title as one-character elements, and the element the next title
    // tick starts from.
    QStringList ScrollChars;
    int ScrollPos = 0;

    // The player's own displays.
    std::int64_t ProgressBarMP3Max = 0;
    std::int64_t ProgressBarMP3Position = 0;
    int ProgressBarMP3Width = 150;
    QString LabelTempsMp3 = QStringLiteral("00 : 00");
    QString LabelDefilement;
    // The position of the volume slider, 0 at the top, handed over by the
    // window that shows the slider.
    int TrackBarMP3Position = 500;
    // Filled by ButtonListerMP3Click.
    QList<FoundTrack> ListedTracks;

    // Plays the host's current track from the start; a missing file or an
    // empty name changes nothing.
    void TreeViewMP3DblClick(QObject* sender = nullptr);
    // Resumes when paused, else plays the current track.
    void ImageLectureClick(QObject* sender = nullptr);
    // Pauses or resumes the loaded track and toggles MusicPaused, also
    // when no track is loaded.
    void ImagePauseClick(QObject* sender = nullptr);
    // Unloads the track and empties the title displays.
    void ImageArretClick(QObject* sender = nullptr);
    // At the end of a track, plays one of the list drawn at random.
    void TimerMP3Timer();
    void TimerDefilementTimer();
    void BuildScrollText(const QString& title, std::int64_t length);
    // Hands the volume 0..1000 to the device, which keeps it for every
    // track it plays.
    static void SetVolume(MediaDevice* player, int value);
    // Sends the volume of TrackBarMP3Position: 1000 at the top, 0 at the
    // bottom.
    void TrackBarMP3Change(QObject* sender = nullptr);
    // Stops the music and lists every MP3 file under `root`.
    void ButtonListerMP3Click(const QString& root = QStringLiteral("/"));
    // A release at x on the progress bar: seeks there and plays on.
    void ProgressBarMP3MouseUp(int x);

private:
    MusicHost* m_host = nullptr;
    std::unique_ptr<MediaDevice> m_device;
};

extern TFormLecteurMP3* FormLecteurMP3;

// The player's paused flag, kept in the setting "Musique": when it is set at
// start-up the music does not start.
extern bool MusicPaused;

// The text of the box shown when a track of the list cannot be played.
QString invalidTrackMessage(const QString& name);
