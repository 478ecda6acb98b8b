#include "AudioDevice.h"
#include "DefaultBeep.h"
#include "Sounds.h"
#include "WaveFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <thread>
#include <vector>

namespace {

// A 16-bit mono wave file of silence-free noise of the given length.
QByteArray waveOf(int milliseconds)
{
    const int rate = 22050;
    std::vector<std::int16_t> samples(rate * milliseconds / 1000);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>((i * 37) % 2000);
    return monoWaveFile(samples, rate);
}

bool playingWithin(const Sounds& sounds, std::chrono::milliseconds limit, bool wanted)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (sounds.isPlaying() == wanted)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return sounds.isPlaying() == wanted;
}

} // namespace

class SoundsPlayback : public testing::Test {
protected:
    void SetUp() override
    {
        if (!openAudioDevice())
            GTEST_SKIP() << "no audio device, not even SDL's dummy driver";
        QDir(m_dir.path()).mkpath(QStringLiteral("sons"));
    }

    void addSound(const QString& name, const QByteArray& bytes)
    {
        QFile file(m_dir.filePath(QStringLiteral("sons/") + name + QStringLiteral(".wav")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir m_dir;
};

TEST_F(SoundsPlayback, PlaysTheNamedFileOfTheSoundFolder)
{
    addSound(QStringLiteral("7"), waveOf(2000));
    Sounds sounds(m_dir.path());
    sounds.JoueSon(QStringLiteral("7"));
    EXPECT_TRUE(sounds.isPlaying());
    EXPECT_EQ(sounds.currentSound(), m_dir.filePath(QStringLiteral("sons/7.wav")));
    EXPECT_FALSE(sounds.currentIsDefault());
}

TEST_F(SoundsPlayback, NewSoundCutsOffThePlayingOne)
{
    addSound(QStringLiteral("applause"), waveOf(3000));
    addSound(QStringLiteral("erase"), waveOf(3000));
    addSound(QStringLiteral("Loud"), waveOf(50));
    Sounds sounds(m_dir.path());
    sounds.JoueSon(QStringLiteral("applause"));
    sounds.JoueSon(QStringLiteral("erase"));
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_TRUE(sounds.currentSound().endsWith(QStringLiteral("sons/erase.wav")));
    sounds.JoueSon(QStringLiteral("Loud"));
    // Had either long sound gone on, something would still play after the short one.
    EXPECT_TRUE(playingWithin(sounds, std::chrono::milliseconds(1500), false));
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SoundsPlayback, MissingFileGivesTheDefaultBeep)
{
    Sounds sounds(m_dir.path());
    sounds.JoueSon(QStringLiteral("help"));
    EXPECT_TRUE(sounds.currentIsDefault());
    EXPECT_TRUE(sounds.currentSound().endsWith(QStringLiteral("sons/help.wav")));
    EXPECT_TRUE(sounds.isPlaying());
    EXPECT_TRUE(playingWithin(sounds, std::chrono::milliseconds(1500), false)) << "the beep should be short";
}

TEST_F(SoundsPlayback, BadFileGivesTheDefaultBeep)
{
    addSound(QStringLiteral("Impossible"), QByteArray("RIFF\x10\0\0\0WAVEjunk", 16));
    Sounds sounds(m_dir.path());
    sounds.JoueSon(QStringLiteral("Impossible"));
    EXPECT_TRUE(sounds.currentIsDefault());
    EXPECT_TRUE(sounds.isPlaying());
}

TEST_F(SoundsPlayback, FileThatAppearsLaterIsPlayed)
{
    Sounds sounds(m_dir.path());
    sounds.JoueSon(QStringLiteral("applause"));
    EXPECT_TRUE(sounds.currentIsDefault());
    addSound(QStringLiteral("applause"), waveOf(500));
    sounds.JoueSon(QStringLiteral("applause"));
    EXPECT_FALSE(sounds.currentIsDefault());
}

TEST_F(SoundsPlayback, DestroyingTheSoundsStopsThem)
{
    addSound(QStringLiteral("7"), waveOf(2000));
    {
        Sounds sounds(m_dir.path());
        sounds.JoueSon(QStringLiteral("7"));
        EXPECT_EQ(Mix_Playing(0), 1);
    }
    EXPECT_EQ(Mix_Playing(0), 0);
}

TEST(AudioDevice, LeavesTheTerminationSignalsToTheProgram)
{
    openAudioDevice();
    for (int signal : {SIGTERM, SIGINT}) {
        struct sigaction current = {};
        ASSERT_EQ(sigaction(signal, nullptr, &current), 0);
        EXPECT_EQ(current.sa_handler, SIG_DFL) << "signal " << signal;
    }
}

TEST(DefaultBeep, IsAShortValidWave)
{
    const QByteArray wave = defaultBeepWave();
    ASSERT_GE(wave.size(), 44);
    EXPECT_EQ(wave.left(4), QByteArray("RIFF"));
    EXPECT_EQ(wave.mid(8, 8), QByteArray("WAVEfmt "));
    EXPECT_EQ(qFromLittleEndian<quint32>(wave.constData() + 4), quint32(wave.size() - 8));
    const quint32 dataBytes = qFromLittleEndian<quint32>(wave.constData() + 40);
    EXPECT_EQ(dataBytes, quint32(wave.size() - 44));
    const quint32 byteRate = qFromLittleEndian<quint32>(wave.constData() + 28);
    const double seconds = double(dataBytes) / byteRate;
    EXPECT_GT(seconds, 0.05);
    EXPECT_LT(seconds, 0.5);
}
