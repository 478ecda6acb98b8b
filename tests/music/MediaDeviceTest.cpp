// The SDL_mixer device on the tracks that the asset maker writes, played on
// SDL's dummy audio driver, which runs at real speed without a sound card.
#include "LecteurMP3Unit.h"
#include "MessageCapture.h"
#include "Mp3Length.h"
#include "MusicHost.h"
#include "SdlMediaDevice.h"
#include "Sounds.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <SDL_mixer.h>

#include <gtest/gtest.h>

namespace {

QString track(const char* name)
{
    return QStringLiteral(SUDOKU_DATA_DIR "/Musique/") + QLatin1String(name);
}

class FolderHost : public MusicHost
{
public:
    QStringList trackNames() const override { return {current}; }
    QString currentTrack() const override { return current; }
    void setCurrentTrack(const QString& name) override { current = name; }
    QString musicFolder() const override { return folder; }
    void showScrollTitle(const QString& text) override { title = text; }

    QString current;
    QString folder;
    QString title;
};

} // namespace

namespace {

// MPEG-1 layer III frames of 128 kbit/s at 44.1 kHz: 417 bytes, 1152 samples.
QByteArray frames(int count, bool mono = false)
{
    QByteArray frame(417, '\0');
    frame[0] = char(0xFF);
    frame[1] = char(0xFB);
    frame[2] = char(0x90);
    frame[3] = char(mono ? 0xC0 : 0x00);
    return frame.repeated(count);
}

// MPEG-2 layer III frames of 64 kbit/s at 22.05 kHz: 208 bytes, 576 samples.
QByteArray mpeg2Frames(int count)
{
    QByteArray frame(208, '\0');
    frame[0] = char(0xFF);
    frame[1] = char(0xF3);
    frame[2] = char(0x80);
    return frame.repeated(count);
}

} // namespace

TEST(Mp3Length, CountsFramesOrReadsTheEncoderTagAndRejectsOtherData)
{
    // 100 frames less the usual 1105 samples of encoder and decoder delay.
    EXPECT_EQ(mp3LengthMs(frames(100)), (100 * 1152 - 1105) * 1000 / 44100);
    // An ID3 tag and stray bytes ahead of the first frame are skipped.
    const QByteArray tag = QByteArray("ID3\x04\0\0\0\0\0\x0A", 10) + QByteArray(10, 'x') + "junk";
    EXPECT_EQ(mp3LengthMs(tag + frames(100)), (100 * 1152 - 1105) * 1000 / 44100);
    // A tag whose content looks like frames (a picture may) is still skipped.
    const QByteArray framesInTag = QByteArray("ID3\x04\0\0\0\0\x06\x42", 10) + frames(2);
    EXPECT_EQ(mp3LengthMs(framesInTag + frames(100)), (100 * 1152 - 1105) * 1000 / 44100);
    EXPECT_EQ(mp3LengthMs(mpeg2Frames(100)), (100 * 576 - 1105) * 1000 / 22050);
    // Junk or a tag between frames is passed over, as decoders do: the
    // frames after it still count.
    EXPECT_EQ(mp3LengthMs(frames(100) + QByteArray(1000, '\0') + frames(100)), (200 * 1152 - 1105) * 1000 / 44100);
    EXPECT_EQ(mp3LengthMs(frames(100) + tag + frames(100)), (200 * 1152 - 1105) * 1000 / 44100);

    // An Info frame with a LAME tag: 99 frames of music, delay 256, padding 1000.
    QByteArray tagged = frames(100);
    const int info = 4 + 32;
    tagged.replace(info, 12, QByteArray("Info\0\0\0\x0F\0\0\0\x63", 12));
    tagged.replace(info + 120, 4, "LAME");
    tagged.replace(info + 141, 3, QByteArray("\x10\x03\xE8", 3));
    EXPECT_EQ(mp3LengthMs(tagged), (99 * 1152 - 256 - 529 - 1000) * 1000 / 44100);
    // In a mono frame the Info tag sits after a shorter side information.
    QByteArray mono = frames(100, true);
    mono.replace(4 + 17, 12, QByteArray("Info\0\0\0\x01\0\0\0\x63", 12));
    EXPECT_EQ(mp3LengthMs(mono), (99 * 1152 - 1105) * 1000 / 44100);

    EXPECT_EQ(mp3LengthMs(QByteArray()), -1);
    EXPECT_EQ(mp3LengthMs(QByteArray("These are words, not frames of sound.")), -1);
    EXPECT_EQ(mp3LengthMs(QByteArray(4000, char(0xFF))), -1);
}

TEST(SdlMediaDevice, LengthsOfTheDataFolderTracksAreWithin50Ms)
{
    // The lengths the asset maker composes, in samples at 44.1 kHz.
    const struct {
        const char* name;
        double ms;
    } tracks[] = {
        {"Morning Garden.mp3", 1693793 / 44.1},
        {"Night Lanterns.mp3", 1717695 / 44.1},
        {"Pastel Waltz.mp3", 1677454 / 44.1},
    };
    SdlMediaDevice device;
    for (const auto& t : tracks) {
        ASSERT_TRUE(device.open(track(t.name))) << t.name;
        EXPECT_NEAR(double(device.length()), t.ms, 50.0) << t.name;
        EXPECT_EQ(device.position(), 0);
    }
    device.close();
    EXPECT_EQ(device.mode(), MediaDevice::Mode::Closed);
    EXPECT_EQ(device.length(), 0);
}

TEST(SdlMediaDevice, PositionRunsWhilePlayingAndStandsWhilePaused)
{
    SdlMediaDevice device;
    ASSERT_TRUE(device.open(track("Pastel Waltz.mp3")));
    device.play();
    EXPECT_EQ(device.mode(), MediaDevice::Mode::Playing);
    QThread::msleep(400);
    const std::int64_t played = device.position();
    EXPECT_GT(played, 150);
    EXPECT_LT(played, 2000);

    device.pause();
    EXPECT_EQ(device.mode(), MediaDevice::Mode::Paused);
    const std::int64_t held = device.position();
    QThread::msleep(300);
    EXPECT_EQ(device.position(), held);

    device.resume();
    QThread::msleep(300);
    EXPECT_GT(device.position(), held);

    // A finished track reports its position equal to its length.
    device.play(device.length() - 100);
    for (int i = 0; i < 50 && device.mode() == MediaDevice::Mode::Playing; ++i)
        QThread::msleep(20);
    EXPECT_EQ(device.mode(), MediaDevice::Mode::Stopped);
    EXPECT_EQ(device.position(), device.length());
}

TEST(SdlMediaDevice, TrackCutShortEndsAtTheLengthItsHeaderGives)
{
    // As of a download that broke off: the Info frame tells 1000 frames of
    // music (26 s), 12 remain (0.3 s).
    QByteArray data = frames(13);
    data.replace(4 + 32, 12, QByteArray("Info\0\0\0\x01\0\0\x03\xE8", 12));
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile cut(dir.filePath(QStringLiteral("cut.mp3")));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(data);
    cut.close();

    SdlMediaDevice device;
    ASSERT_TRUE(device.open(cut.fileName()));
    EXPECT_EQ(device.length(), (1000 * 1152 - 1105) * 1000 / 44100);
    device.play();
    for (int i = 0; i < 150 && device.mode() == MediaDevice::Mode::Playing; ++i)
        QThread::msleep(20);
    // The end of what there is ends the track.
    EXPECT_EQ(device.mode(), MediaDevice::Mode::Stopped);
    EXPECT_EQ(device.position(), device.length());
}

TEST(SdlMediaDevice, SoundEffectPlaysOverTheMusic)
{
    SdlMediaDevice device;
    ASSERT_TRUE(device.open(track("Night Lanterns.mp3")));
    device.play();
    Sounds sounds(QStringLiteral(SUDOKU_DATA_DIR));
    sounds.JoueSon(QStringLiteral("applause"));
    EXPECT_FALSE(sounds.currentIsDefault());
    EXPECT_TRUE(sounds.isPlaying());
    const std::int64_t before = device.position();
    QThread::msleep(200);
    EXPECT_TRUE(sounds.isPlaying());
    EXPECT_EQ(device.mode(), MediaDevice::Mode::Playing);
    EXPECT_GT(device.position(), before);
}

TEST(SdlMediaDevice, VolumeMapsOntoTheMixerScaleAndStaysForLaterTracks)
{
    EXPECT_EQ(SdlMediaDevice::mixerVolume(0), 0);
    EXPECT_EQ(SdlMediaDevice::mixerVolume(500), 64);
    EXPECT_EQ(SdlMediaDevice::mixerVolume(1000), 128);
    EXPECT_EQ(SdlMediaDevice::mixerVolume(2000), 128);
    EXPECT_EQ(SdlMediaDevice::mixerVolume(-5), 0);

    SdlMediaDevice device;
    device.setVolume(250);  // before any track is open
    ASSERT_TRUE(device.open(track("Morning Garden.mp3")));
    device.play();
    EXPECT_EQ(Mix_VolumeMusic(-1), 32);
    device.setVolume(500);
    ASSERT_TRUE(device.open(track("Night Lanterns.mp3")));
    Mix_VolumeMusic(128);  // whatever else touched the mixer meanwhile
    device.play();
    EXPECT_EQ(Mix_VolumeMusic(-1), 64);
    device.close();
}

TEST(SdlMediaDevice, UnplayableFilesGiveTheBoxAndStopTheMusic)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    {
        QFile(dir.filePath(QStringLiteral("empty.mp3"))).open(QIODevice::WriteOnly);
        QFile text(dir.filePath(QStringLiteral("notes.mp3")));
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write("These are not the notes of a song, only words.\r\n");
    }
    ASSERT_TRUE(QFile::copy(track("Pastel Waltz.mp3"), dir.filePath(QStringLiteral("good.mp3"))));

    FolderHost host;
    host.folder = dir.path() + QLatin1Char('/');
    TFormLecteurMP3 player(&host);
    for (const char* name : {"empty.mp3", "notes.mp3"}) {
        SCOPED_TRACE(name);
        MusicPaused = true;
        host.current = QStringLiteral("good.mp3");
        player.TreeViewMP3DblClick();
        ASSERT_TRUE(player.TimerMP3->isActive());
        player.TimerDefilementTimer();
        const QString shown = host.title;
        ASSERT_FALSE(shown.isEmpty());

        MessageCapture messages;
        host.current = QLatin1String(name);
        player.TreeViewMP3DblClick();
        ASSERT_EQ(messages.count(), 1);
        EXPECT_EQ(messages.messages()[0],
                  QStringLiteral("Un fichier Mp3 présent dans la liste est invalide : ") + QLatin1String(name)
                      + QStringLiteral("\r\nLa musique est stoppée"));
        EXPECT_EQ(player.MediaPlayerMP3->mode(), MediaDevice::Mode::Closed);
        EXPECT_FALSE(player.TimerMP3->isActive());
        EXPECT_FALSE(MusicPaused);
        player.TimerDefilementTimer();
        EXPECT_EQ(host.title, shown);
        EXPECT_EQ(player.LabelDefilement, shown);
    }
}
