#include "LecteurMP3Unit.h"

#include "MessageBox.h"
#include "MusicHost.h"
#include "Random.h"
#include "ScrollText.h"
#include "SdlMediaDevice.h"

#include <QFileInfo>
#include <QTimer>

TFormLecteurMP3* FormLecteurMP3 = nullptr;
bool MusicPaused = false;

namespace {

QString trackPath(const QString& folder, const QString& name)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

} // namespace

QString invalidTrackMessage(const QString& name)
{
    return QStringLiteral("Un fichier Mp3 présent dans la liste est invalide : ") + name
           + QStringLiteral("\r\nLa musique est stoppée");
}

TFormLecteurMP3::TFormLecteurMP3(MusicHost* host, std::unique_ptr<MediaDevice> device, QObject* parent)
    : QObject(parent)
    , m_host(host)
    , m_device(device ? std::move(device) : std::make_unique<SdlMediaDevice>())
{
    setObjectName(QStringLiteral("FormLecteurMP3"));
    MediaPlayerMP3 = m_device.get();

    TimerMP3 = new QTimer(this);
    TimerMP3->setObjectName(QStringLiteral("TimerMP3"));
    TimerMP3->setInterval(1000);
    connect(TimerMP3, &QTimer::timeout, this, &TFormLecteurMP3::TimerMP3Timer);

    TimerDefilement = new QTimer(this);
    TimerDefilement->setObjectName(QStringLiteral("TimerDefilement"));
    TimerDefilement->setInterval(200);
    connect(TimerDefilement, &QTimer::timeout, this, &TFormLecteurMP3::TimerDefilementTimer);
    TimerDefilement->start();
}

TFormLecteurMP3::~TFormLecteurMP3()
{
    m_device->close();
}

void TFormLecteurMP3::TreeViewMP3DblClick(QObject* sender)
{
    Q_UNUSED(sender);
    if (!m_host)
        return;
    const QString track = m_host->currentTrack();
    const QString path = trackPath(m_host->musicFolder(), track);
    if (track.isEmpty() || !QFileInfo(path).isFile())
        return;

    TimerMP3->stop();
    MusicPaused = false;
    ScrollChars.clear();

    m_device->close();
    if (!m_device->open(path)) {
        // Without any audio output every file fails alike: that is no fault
        // of the file, and the music stays silent without a box.
        if (m_device->hasOutput())
            ShowMessage(invalidTrackMessage(track), MessageKind::Error);
        m_device->close();
        return;
    }
    const std::int64_t length = m_device->length();
    ProgressBarMP3Max = length;
    ProgressBarMP3Position = 0;
    m_device->play();
    BuildScrollText(track, length);
    TimerMP3->start();
}

void TFormLecteurMP3::ImageLectureClick(QObject* sender)
{
    if (MusicPaused)
        ImagePauseClick(sender);
    else
        TreeViewMP3DblClick(sender);
}

void TFormLecteurMP3::ImagePauseClick(QObject* sender)
{
    Q_UNUSED(sender);
    if (TimerMP3->isActive()) {
        const MediaDevice::Mode mode = m_device->mode();
        if (mode == MediaDevice::Mode::Playing)
            m_device->pause();
        else if (mode == MediaDevice::Mode::Paused)
            m_device->resume();
    }
    MusicPaused = !MusicPaused;
}

void TFormLecteurMP3::ImageArretClick(QObject* sender)
{
    Q_UNUSED(sender);
    if (!TimerMP3->isActive())
        return;
    m_device->close();
    TimerMP3->stop();
    LabelTempsMp3 = QStringLiteral("00 : 00");
    ProgressBarMP3Position = 0;
    LabelDefilement.clear();
    if (m_host)
        m_host->showScrollTitle(QString());
}

void TFormLecteurMP3::TimerMP3Timer()
{
    if (!m_host || m_device->length() != m_device->position())
        return;
    const QStringList tracks = m_host->trackNames();
    if (tracks.isEmpty())
        return;
    m_host->setCurrentTrack(tracks[Random(static_cast<int>(tracks.size()))]);
    TreeViewMP3DblClick(this);
}

void TFormLecteurMP3::TimerDefilementTimer()
{
    if (!TimerMP3->isActive() || ScrollChars.isEmpty())
        return;
    const QString text = scrollWindow(ScrollChars, ScrollPos);
    // At the end the next tick starts again from the first element, which
    // so shows the first view twice in every cycle.
    if (ScrollPos == ScrollChars.size())
        ScrollPos = -1;
    LabelDefilement = text;
    if (m_host)
        m_host->showScrollTitle(text);
    ++ScrollPos;
}

void TFormLecteurMP3::BuildScrollText(const QString& title, std::int64_t length)
{
    ScrollChars = scrollCharsFor(title, length);
    ScrollPos = 0;
}

void TFormLecteurMP3::SetVolume(MediaDevice* player, int value)
{
    if (player)
        player->setVolume(value);
}

void TFormLecteurMP3::TrackBarMP3Change(QObject* sender)
{
    Q_UNUSED(sender);
    SetVolume(MediaPlayerMP3, 1000 - TrackBarMP3Position);
}

void TFormLecteurMP3::ButtonListerMP3Click(const QString& root)
{
    ImageArretClick(this);
    ListedTracks = findMp3Files(root);
}

void TFormLecteurMP3::ProgressBarMP3MouseUp(int x)
{
    if (!TimerMP3->isActive() || ProgressBarMP3Width <= 3)
        return;
    const std::int64_t target = m_device->length() * x / (ProgressBarMP3Width - 3);
    m_device->play(target);
    ProgressBarMP3Position = target;
    const std::int64_t seconds = target / 1000;
    LabelTempsMp3 = QStringLiteral("%1 : %2")
                        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
                        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
