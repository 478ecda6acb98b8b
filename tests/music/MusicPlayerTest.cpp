#include "FakeMediaDevice.h"
#include "LecteurMP3Unit.h"
#include "MessageCapture.h"
#include "MusicHost.h"
#include "Random.h"
#include "ScrollText.h"
#include "TrackList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Timers need an application object, though no test runs its event loop.
class MusicEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        qputenv("SDL_AUDIODRIVER", "dummy");
        static int argc = 1;
        static char name[] = "music_tests";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QCoreApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QCoreApplication> m_app;
};

const bool g_registered = [] {
    ::testing::AddGlobalTestEnvironment(new MusicEnvironment);
    return true;
}();

class FakeHost : public MusicHost
{
public:
    QStringList trackNames() const override { return tracks; }
    QString currentTrack() const override { return current; }
    void setCurrentTrack(const QString& name) override { current = name; }
    QString musicFolder() const override { return folder; }
    void showScrollTitle(const QString& text) override { title = text; }

    QStringList tracks;
    QString current;
    QString folder;
    QString title = QStringLiteral("old title");
};

// A player on a fake device over a folder of empty track files.
class PlayerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        MusicPaused = false;
        m_host.folder = m_dir.path() + QLatin1Char('/');
        auto device = std::make_unique<FakeMediaDevice>();
        m_device = device.get();
        m_player = std::make_unique<TFormLecteurMP3>(&m_host, std::move(device));
    }
    void TearDown() override
    {
        MusicPaused = false;
        ReleaseRandomSeed();
    }

    void setTracks(const QStringList& names)
    {
        for (const QString& name : names) {
            QFile file(m_host.folder + name);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        m_host.tracks = names;
        m_host.current = names.value(0);
    }

    QString pathOf(const QString& name) const { return m_host.folder + name; }

    // The texts of n title ticks.
    QStringList ticks(int n)
    {
        QStringList texts;
        for (int i = 0; i < n; ++i) {
            m_player->TimerDefilementTimer();
            texts << m_host.title;
        }
        return texts;
    }

    QTemporaryDir m_dir;
    FakeHost m_host;
    FakeMediaDevice* m_device = nullptr;
    std::unique_ptr<TFormLecteurMP3> m_player;
};

} // namespace

TEST(ScrollText, TitleCarriesTheLengthRoundedToWholeSeconds)
{
    EXPECT_EQ(scrollCharsFor(QStringLiteral("ab.mp3"), 125400).join(QString()),
              QStringLiteral("ab.mp3  (02:05)  **  "));
    const struct {
        std::int64_t ms;
        const char* shown;
    } cases[] = {
        {59999, "(01:00)"}, {6000000, "(100:00)"}, {2500, "(00:02)"}, {3500, "(00:04)"}, {0, "(00:00)"},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(scrollCharsFor(QStringLiteral("t"), c.ms).join(QString()).contains(QLatin1String(c.shown)))
            << c.ms << " ms";
    EXPECT_EQ(scrollCharsFor(QStringLiteral("abcde"), 1000).size(), 20);
    // A character beyond the 16-bit range is one element, never split.
    const QStringList clef = scrollCharsFor(QStringLiteral("\U0001D11E.mp3"), 1000);
    EXPECT_EQ(clef.size(), 20);
    EXPECT_EQ(clef.first(), QStringLiteral("\U0001D11E"));
}

TEST_F(PlayerTest, ShortTitleRotatesWholeAndShowsItsFirstViewOnTwoTicks)
{
    setTracks({QStringLiteral("a.mp3")});  // 20 elements
    m_device->trackLength = 61000;
    m_player->TreeViewMP3DblClick();
    const QStringList texts = ticks(23);
    EXPECT_EQ(texts[0], QStringLiteral("a.mp3  (01:01)  **  "));
    EXPECT_EQ(texts[1], QStringLiteral(".mp3  (01:01)  **  a"));
    EXPECT_EQ(texts[19], QStringLiteral(" a.mp3  (01:01)  ** "));
    // The cycle is 21 ticks long: the first view comes at its end and start.
    EXPECT_EQ(texts[20], texts[0]);
    EXPECT_EQ(texts[21], texts[0]);
    EXPECT_EQ(texts[22], texts[1]);
}

TEST_F(PlayerTest, LongTitleShowsTwentySixCharactersAtATime)
{
    setTracks({QStringLiteral("Morning Garden.mp3")});  // 33 elements
    m_device->trackLength = 38408;
    m_player->TreeViewMP3DblClick();
    const QStringList texts = ticks(36);
    EXPECT_EQ(texts[0], QStringLiteral("Morning Garden.mp3  (00:38"));
    EXPECT_EQ(texts[8], QStringLiteral("Garden.mp3  (00:38)  **  M"));
    EXPECT_EQ(texts[32], QStringLiteral(" Morning Garden.mp3  (00:3"));
    for (const QString& text : texts)
        EXPECT_EQ(text.size(), 26);
    EXPECT_EQ(texts[33], texts[0]);
    EXPECT_EQ(texts[34], texts[0]);
    EXPECT_EQ(texts[35], texts[1]);
}

TEST_F(PlayerTest, EndOfTrackPlaysOneDrawnFromTheListAndRepeatsWithTheSeed)
{
    setTracks({QStringLiteral("one.mp3"), QStringLiteral("two.mp3"), QStringLiteral("three.mp3")});
    m_player->TreeViewMP3DblClick();
    m_player->TimerMP3Timer();  // not at the end yet
    ASSERT_EQ(m_device->opened.size(), 1);

    auto run = [&] {
        FixRandomSeed(11);
        QStringList order;
        for (int i = 0; i < 30; ++i) {
            m_device->finish();
            m_player->TimerMP3Timer();
            EXPECT_EQ(m_device->opened.last(), pathOf(m_host.current));
            EXPECT_EQ(m_device->mode(), MediaDevice::Mode::Playing);
            order << m_host.current;
        }
        return order;
    };
    const QStringList first = run();
    EXPECT_EQ(QSet<QString>(first.begin(), first.end()).size(), 3);  // every track comes, the finished one too
    EXPECT_EQ(run(), first);
    EXPECT_TRUE(m_player->TimerMP3->isActive());
}

TEST_F(PlayerTest, ListOfOneTrackRepeatsIt)
{
    setTracks({QStringLiteral("only.mp3")});
    m_player->TreeViewMP3DblClick();
    for (int i = 0; i < 3; ++i) {
        m_device->finish();
        m_player->TimerMP3Timer();
    }
    EXPECT_EQ(m_device->opened, QStringList(4, pathOf(QStringLiteral("only.mp3"))));
}

TEST_F(PlayerTest, PauseWithoutTrackThenPlayStartsNothingASecondPlayStarts)
{
    setTracks({QStringLiteral("one.mp3")});
    m_player->ImagePauseClick();
    EXPECT_TRUE(MusicPaused);
    m_player->ImageLectureClick();
    EXPECT_FALSE(MusicPaused);
    EXPECT_TRUE(m_device->opened.isEmpty());
    EXPECT_FALSE(m_player->TimerMP3->isActive());
    m_player->ImageLectureClick();
    EXPECT_EQ(m_device->mode(), MediaDevice::Mode::Playing);
    EXPECT_TRUE(m_player->TimerMP3->isActive());
}

TEST_F(PlayerTest, PauseToggleAndAnotherTrackWhilePausedPlaysAtOnce)
{
    setTracks({QStringLiteral("one.mp3"), QStringLiteral("two.mp3")});
    m_player->ImageLectureClick();
    m_player->ImagePauseClick();
    EXPECT_EQ(m_device->mode(), MediaDevice::Mode::Paused);
    EXPECT_TRUE(MusicPaused);
    m_player->ImageLectureClick();  // play resumes a paused track
    EXPECT_EQ(m_device->mode(), MediaDevice::Mode::Playing);
    EXPECT_FALSE(MusicPaused);
    m_player->ImagePauseClick();

    m_host.current = QStringLiteral("two.mp3");
    m_player->TreeViewMP3DblClick();
    EXPECT_EQ(m_device->opened.last(), pathOf(QStringLiteral("two.mp3")));
    EXPECT_EQ(m_device->mode(), MediaDevice::Mode::Playing);
    EXPECT_FALSE(MusicPaused);

    // A name that is not a file of the folder leaves the track playing.
    ASSERT_TRUE(QDir(m_host.folder).mkdir(QStringLiteral("folder.mp3")));
    for (const char* name : {"gone.mp3", "folder.mp3"}) {
        m_host.current = QLatin1String(name);
        m_player->TreeViewMP3DblClick();
        EXPECT_EQ(m_device->opened.size(), 2) << name;
        EXPECT_EQ(m_device->mode(), MediaDevice::Mode::Playing) << name;
    }
}

TEST_F(PlayerTest, TimersRunAtTheirPacesAndStopLeavesTheTitleEmpty)
{
    EXPECT_FALSE(m_player->TimerMP3->isActive());
    EXPECT_EQ(m_player->TimerMP3->interval(), 1000);
    EXPECT_TRUE(m_player->TimerDefilement->isActive());
    EXPECT_EQ(m_player->TimerDefilement->interval(), 200);

    // Nothing loaded: stop does nothing, the label keeps its text.
    setTracks({QStringLiteral("one.mp3")});
    m_player->ImageArretClick();
    EXPECT_EQ(m_host.title, QStringLiteral("old title"));

    m_player->TreeViewMP3DblClick();
    ticks(2);
    m_player->ImageArretClick();
    EXPECT_EQ(m_device->mode(), MediaDevice::Mode::Closed);
    EXPECT_FALSE(m_player->TimerMP3->isActive());
    // The title ticks that follow do not bring the stopped title back.
    EXPECT_EQ(ticks(3), QStringList(3, QString()));
    EXPECT_TRUE(m_player->LabelDefilement.isEmpty());
}

TEST_F(PlayerTest, WithoutAudioOutputATrackFailsWithoutABox)
{
    setTracks({QStringLiteral("one.mp3")});
    m_device->openFails = true;
    m_device->output = false;
    MessageCapture messages;
    m_player->ImageLectureClick();
    EXPECT_EQ(messages.count(), 0);
    EXPECT_FALSE(m_player->TimerMP3->isActive());

    // With an output the same failure is the file's: the box.
    m_device->output = true;
    m_player->ImageLectureClick();
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.messages()[0], invalidTrackMessage(QStringLiteral("one.mp3")));
    EXPECT_EQ(messages.messageKinds(), QList{MessageKind::Error});
}

TEST_F(PlayerTest, ProgressBarSeeksAndDriveWalkListsEveryTrackBelowItsRoot)
{
    setTracks({QStringLiteral("one.mp3")});
    m_player->ProgressBarMP3MouseUp(50);  // no track: nothing
    EXPECT_TRUE(m_device->playedFrom.isEmpty());
    m_player->TreeViewMP3DblClick();
    m_player->ProgressBarMP3Width = 103;
    m_device->trackLength = 200000;
    m_player->ProgressBarMP3MouseUp(50);
    EXPECT_EQ(m_device->playedFrom.last(), 100000);
    EXPECT_EQ(m_player->LabelTempsMp3, QStringLiteral("01 : 40"));

    ASSERT_TRUE(QDir(m_host.folder).mkpath(QStringLiteral("sub/deeper")));
    QFile(m_host.folder + QStringLiteral("sub/deeper/Song.MP3")).open(QIODevice::WriteOnly);
    QFile(m_host.folder + QStringLiteral("sub/notes.txt")).open(QIODevice::WriteOnly);
    m_player->ButtonListerMP3Click(m_host.folder);
    EXPECT_EQ(m_device->mode(), MediaDevice::Mode::Closed);
    QStringList titles;
    for (const FoundTrack& t : m_player->ListedTracks) {
        EXPECT_TRUE(QFile::exists(t.path)) << t.path.toStdString();
        titles << t.title;
    }
    titles.sort();
    EXPECT_EQ(titles, QStringList({QStringLiteral("Song"), QStringLiteral("one")}));
}

TEST(TrackList, ListsMp3FilesOfAnyCaseSortedWithoutRegardToCase)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"b.MP3", "A.mp3", "c.mp3.txt", "Zed.Mp3"})
        QFile(dir.filePath(QLatin1String(name))).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.mp3")));
    EXPECT_EQ(mp3FilesIn(dir.path() + QLatin1Char('/')),
              QStringList({QStringLiteral("A.mp3"), QStringLiteral("b.MP3"), QStringLiteral("Zed.Mp3")}));
    EXPECT_TRUE(mp3FilesIn(dir.filePath(QStringLiteral("missing"))).isEmpty());
}
