// The music controls of the main window's options panel, with the player on
// a fake device: the start-up's track list and music, the import, and the
// settings "Musique" and "Volume" across a restart.
#include "FakeMediaDevice.h"
#include "GameTestSupport.h"
#include "LecteurMP3Unit.h"
#include "Random.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <string_view>
#include <utility>

namespace {

class MusicWindowTest : public GameWindowTest
{
protected:
    void TearDown() override
    {
        dropPlayer();
        GameWindowTest::TearDown();
    }

    // Creates the window and a player on a fake device, then runs the
    // window's start-up, which starts the music. A shown window is the
    // active one, for focus and keys to reach its controls.
    TfrmMain& startWithPlayer(bool shown = false)
    {
        create();
        auto device = std::make_unique<FakeMediaDevice>();
        m_device = device.get();
        m_player = std::make_unique<TFormLecteurMP3>(&window(), std::move(device));
        FormLecteurMP3 = m_player.get();
        if (shown) {
            window().show();
            window().activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&window()));
        } else {
            window().FormShow();
        }
        window().Timer2SplashScreenTimer();
        window().DXTimer->stop();
        return window();
    }

    // Closes the window and starts the program again.
    TfrmMain& restart()
    {
        closeWindow();
        dropPlayer();
        m_window.reset();
        MusicPaused = false;
        return startWithPlayer();
    }

    void dropPlayer()
    {
        FormLecteurMP3 = nullptr;
        m_player.reset();
        m_device = nullptr;
    }

    static QString dataTrack(const QString& name) { return dataFolder() + QStringLiteral("Musique/") + name; }

    static QStringList items(const QComboBox* box)
    {
        QStringList names;
        for (int i = 0; i < box->count(); ++i)
            names << box->itemText(i);
        return names;
    }

    std::unique_ptr<TFormLecteurMP3> m_player;
    FakeMediaDevice* m_device = nullptr;
};

} // namespace

TEST_F(MusicWindowTest, StartUpListsTheThreeTracksAndPlaysTheFirstAtTheSavedVolume)
{
    clearSettings();
    storeSetting(QStringLiteral("Volume"), QStringLiteral("300"));
    TfrmMain& w = startWithPlayer();
    EXPECT_EQ(items(w.ComboBox3), QStringList({QStringLiteral("Morning Garden.mp3"),
                                               QStringLiteral("Night Lanterns.mp3"),
                                               QStringLiteral("Pastel Waltz.mp3")}));
    EXPECT_EQ(w.ComboBox3->currentText(), QStringLiteral("Morning Garden.mp3"));
    EXPECT_EQ(m_device->opened, QStringList{dataTrack(QStringLiteral("Morning Garden.mp3"))});
    EXPECT_EQ(m_device->mode(), MediaDevice::Mode::Playing);
    // The slider read 300 and was nudged to 301; the track plays at that volume.
    EXPECT_EQ(m_device->volume(), 699);
    w.TrackBarMP3->setValue(0);
    EXPECT_EQ(m_device->volume(), 1000);

    m_player->TimerDefilementTimer();
    EXPECT_EQ(w.LabelDefilement->text(), QStringLiteral("Morning Garden.mp3  (02:05"));
    w.ImageArretClick(nullptr);
    EXPECT_TRUE(w.LabelDefilement->text().isEmpty());
    EXPECT_EQ(m_device->mode(), MediaDevice::Mode::Closed);
    w.ClicksurLecture(nullptr);
    EXPECT_EQ(m_device->mode(), MediaDevice::Mode::Playing);
    EXPECT_EQ(m_device->opened.size(), 2);
    // Picking another track in the list plays it.
    w.ComboBox3->setCurrentIndex(2);
    EXPECT_EQ(m_device->opened.size(), 2);
    emit w.ComboBox3->activated(2);
    EXPECT_EQ(m_device->opened.last(), dataTrack(QStringLiteral("Pastel Waltz.mp3")));

    closeWindow();
    EXPECT_FALSE(m_player->TimerMP3->isActive());
    EXPECT_FALSE(m_player->TimerDefilement->isActive());
    EXPECT_TRUE(m_messages->messages().isEmpty());
}

TEST_F(MusicWindowTest, TypedTrackNamePlaysWhenWholeAndUpOnTheSliderIsLouder)
{
    clearSettings();
    TfrmMain& w = startWithPlayer();
    ASSERT_EQ(m_device->opened.size(), 1);
    QLineEdit* edit = w.ComboBox3->lineEdit();
    auto type = [&](const QString& text) {
        edit->selectAll();
        for (const QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QCoreApplication::sendEvent(edit, &press);
        }
    };
    // Every typed character is a change; only the whole name is a track.
    type(QStringLiteral("Night Lanterns.mp3"));
    EXPECT_EQ(m_device->opened, QStringList({dataTrack(QStringLiteral("Morning Garden.mp3")),
                                             dataTrack(QStringLiteral("Night Lanterns.mp3"))}));
    type(QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ(w.ComboBox3->currentText(), QStringLiteral("abcdefghijklmnopqrst"));
    EXPECT_EQ(m_device->opened.size(), 2);
    EXPECT_EQ(m_device->mode(), MediaDevice::Mode::Playing);

    // Position 0 is at the top: a step up lowers the position, louder.
    ASSERT_EQ(w.TrackBarMP3->value(), 501);
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QCoreApplication::sendEvent(w.TrackBarMP3, &up);
    EXPECT_LT(w.TrackBarMP3->value(), 501);
    EXPECT_EQ(m_device->volume(), 1000 - w.TrackBarMP3->value());
    // A click near the top end of the groove moves the slider toward 0.
    const int before = w.TrackBarMP3->value();
    const QPointF top(w.TrackBarMP3->width() / 2.0, 8);
    QMouseEvent press(QEvent::MouseButtonPress, top, w.TrackBarMP3->mapToGlobal(top), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, top, w.TrackBarMP3->mapToGlobal(top), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.TrackBarMP3, &press);
    QCoreApplication::sendEvent(w.TrackBarMP3, &release);
    EXPECT_LT(w.TrackBarMP3->value(), before);
}

TEST_F(MusicWindowTest, PausedMusicAndVolumeSurviveARestart)
{
    clearSettings();
    TfrmMain& first = startWithPlayer();
    first.ImagePauseClick(nullptr);
    EXPECT_EQ(m_device->mode(), MediaDevice::Mode::Paused);
    first.TrackBarMP3->setValue(200);
    closeWindow();
    EXPECT_EQ(storedSetting(QStringLiteral("Musique")), QStringLiteral("1"));
    EXPECT_EQ(storedSetting(QStringLiteral("Volume")), QStringLiteral("200"));

    TfrmMain& second = restart();
    EXPECT_TRUE(MusicPaused);
    EXPECT_TRUE(m_device->opened.isEmpty());
    EXPECT_EQ(second.TrackBarMP3->value(), 201);
    EXPECT_EQ(m_device->volume(), 799);
    // The first press on play only clears the paused flag.
    second.ClicksurLecture(nullptr);
    EXPECT_FALSE(MusicPaused);
    EXPECT_TRUE(m_device->opened.isEmpty());
    closeWindow();
    EXPECT_EQ(storedSetting(QStringLiteral("Musique")), QStringLiteral("0"));

    restart();
    EXPECT_EQ(m_device->opened.size(), 1);
    EXPECT_EQ(m_device->volume(), 798);
}

TEST_F(MusicWindowTest, ImportSwitchesTheListPlayingOrKeepsThePause)
{
    clearSettings();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"zeta.mp3", "Alpha.MP3", "cover.jpg"})
        ASSERT_TRUE(QFile(dir.filePath(QLatin1String(name))).open(QIODevice::WriteOnly));
    const QString folder = dir.path() + QLatin1Char('/');
    TfrmMain& w = startWithPlayer();
    EXPECT_EQ(w.OpenDialog1->nameFilters(), QStringList{QStringLiteral("Musiques MP3 (*.mp3)")});

    w.ChooseMp3File = [] { return QString(); };  // cancelled
    w.ImageBtImportMP3Click(nullptr);
    EXPECT_EQ(w.ComboBox3->count(), 3);
    EXPECT_EQ(m_device->opened.size(), 1);

    w.ChooseMp3File = [&] { return folder + QStringLiteral("zeta.mp3"); };
    w.ImageBtImportMP3Click(nullptr);
    EXPECT_EQ(items(w.ComboBox3), QStringList({QStringLiteral("Alpha.MP3"), QStringLiteral("zeta.mp3")}));
    EXPECT_EQ(w.ComboBox3->currentText(), QStringLiteral("zeta.mp3"));
    EXPECT_EQ(m_device->opened.last(), folder + QStringLiteral("zeta.mp3"));
    EXPECT_EQ(m_device->mode(), MediaDevice::Mode::Playing);

    w.ImagePauseClick(nullptr);
    w.ChooseMp3File = [&] { return folder + QStringLiteral("Alpha.MP3"); };
    w.ImageBtImportMP3Click(nullptr);
    EXPECT_EQ(w.ComboBox3->currentText(), QStringLiteral("Alpha.MP3"));
    EXPECT_EQ(m_device->opened.size(), 2);
    EXPECT_EQ(m_device->mode(), MediaDevice::Mode::Paused);
    w.ClicksurLecture(nullptr);  // resumes the paused track
    EXPECT_EQ(m_device->mode(), MediaDevice::Mode::Playing);
    EXPECT_EQ(m_device->opened.size(), 2);

    // A folder without MP3 files: an empty list, nothing plays, no box.
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    w.ImageArretClick(nullptr);
    w.AjouteListeDeMusiques(empty.path() + QLatin1Char('/'), QString());
    EXPECT_EQ(w.ComboBox3->count(), 0);
    EXPECT_TRUE(w.ComboBox3->currentText().isEmpty());
    w.ClicksurLecture(nullptr);
    EXPECT_EQ(m_device->mode(), MediaDevice::Mode::Closed);
    EXPECT_TRUE(m_messages->messages().isEmpty());
}

TEST_F(MusicWindowTest, LeavingTheListDoesNotReplayItsTrackAndTypingDropsItDown)
{
    clearSettings();
    TfrmMain& w = startWithPlayer(true);
    QLineEdit* edit = w.ComboBox3->lineEdit();
    QTest::mouseClick(edit, Qt::LeftButton);
    ASSERT_TRUE(edit->hasFocus());
    // The first track ends and the player draws the second.
    FixRandomSeed(3);
    m_device->finish();
    m_player->TimerMP3Timer();
    ReleaseRandomSeed();
    ASSERT_EQ(w.ComboBox3->currentText(), QStringLiteral("Night Lanterns.mp3"));
    ASSERT_EQ(m_device->opened.size(), 2);
    QTest::mouseClick(w.NomDuJoueur, Qt::LeftButton);
    ASSERT_TRUE(w.NomDuJoueur->hasFocus());
    EXPECT_EQ(m_device->opened.size(), 2);
    EXPECT_EQ(w.ComboBox3->currentIndex(), 1);

    QTest::mouseClick(edit, Qt::LeftButton);
    edit->clear();
    for (const char ch : {'P', 'a'})
        QTest::keyClick(w.windowHandle(), ch);
    EXPECT_EQ(edit->text(), QStringLiteral("Pa"));
    EXPECT_FALSE(edit->hasSelectedText());
    // The whole list is down, and the keys still go to the edit field.
    const auto* list = qobject_cast<QAbstractItemView*>(QApplication::activePopupWidget());
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->model()->rowCount(), 3);
    EXPECT_TRUE(edit->hasFocus());
    for (const char ch : std::string_view("stel Waltz.mp3"))
        QTest::keyClick(w.windowHandle(), ch);
    EXPECT_EQ(edit->text(), QStringLiteral("Pastel Waltz.mp3"));
    EXPECT_EQ(m_device->opened.last(), dataTrack(QStringLiteral("Pastel Waltz.mp3")));
    QTest::keyClick(w.windowHandle(), Qt::Key_Escape);
    QTest::mouseClick(w.NomDuJoueur, Qt::LeftButton);
    ASSERT_TRUE(w.NomDuJoueur->hasFocus());
    EXPECT_EQ(m_device->opened.size(), 3);
}

TEST_F(MusicWindowTest, VolumeSliderHasTickMarksAtItsTwoEndsOnly)
{
    TfrmMain& w = create();
    w.TrackBarMP3->setValue(500);
    const QImage slider = w.TrackBarMP3->grab().toImage();
    ASSERT_EQ(slider.size(), QSize(20, 89));
    // The outer columns, beside the groove and the handle, on either side.
    for (const int x : {1, 18}) {
        QList<int> marked;
        for (int y = 0; y < slider.height(); ++y)
            if (qGray(slider.pixel(x, y)) < 200)
                marked << y;
        EXPECT_EQ(marked, QList<int>({7, 81})) << "column " << x;
    }
}

TEST_F(MusicWindowTest, TheSliderPositionReachesThePlayerWhichSetsTheVolume)
{
    TfrmMain& w = startWithPlayer();
    for (const auto& [position, volume] : {std::pair{0, 1000}, {250, 750}, {999, 1}, {1000, 0}}) {
        w.TrackBarMP3->setValue(position);
        EXPECT_EQ(m_player->TrackBarMP3Position, position);
        EXPECT_EQ(m_device->volume(), volume) << "position " << position;
    }
}
