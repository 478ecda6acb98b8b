// The music controls of the options panel: the track list filled from a
// folder of MP3 files, and the play, pause, stop, volume and import controls,
// which hand over to the music player FormLecteurMP3.
#include "MainUnit.h"

#include "ClickableImage.h"
#include "LecteurMP3Unit.h"
#include "TrackList.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSlider>

namespace {

// When its edit field loses focus with a text that names an item other than
// the current one, QComboBox makes that item current and reports it as
// activated, which would play the track again. With the current item always
// the one the text names, leaving the field reports nothing.
void keepIndexInStep(QComboBox* box)
{
    const int index = box->findText(box->currentText(), Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (index >= 0 && index != box->currentIndex()) {
        const QSignalBlocker blocker(box);
        box->setCurrentIndex(index);
    }
}

} // namespace

void TfrmMain::connectMusicControls()
{
    connect(ImageLecture, &ClickableImage::clicked, this, [this] { ClicksurLecture(ImageLecture); });
    connect(ImagePause, &ClickableImage::clicked, this, [this] { ImagePauseClick(ImagePause); });
    connect(ImageArret, &ClickableImage::clicked, this, [this] { ImageArretClick(ImageArret); });
    connect(ImageBtImportMP3, &ClickableImage::clicked, this, [this] { ImageBtImportMP3Click(ImageBtImportMP3); });
    // Only the player's own picks and typing count as a change; the program's
    // filling of the list and setting of its text do not, nor does leaving
    // the edit field.
    connect(ComboBox3, &QComboBox::activated, this, [this] { ComboBox3Change(ComboBox3); });
    // textEdited comes before textChanged, and its change may open a message
    // box that takes the focus: the index follows the text first.
    connect(ComboBox3->lineEdit(), &QLineEdit::textEdited, this, [this] {
        keepIndexInStep(ComboBox3);
        ComboBox3Change(ComboBox3);
    });
    connect(ComboBox3->lineEdit(), &QLineEdit::textChanged, this, [this] { keepIndexInStep(ComboBox3); });
    connect(TrackBarMP3, &QSlider::valueChanged, this, [this] { TrackBarMP3Change(TrackBarMP3); });
}

void TfrmMain::AjouteListeDeMusiques(const QString& folder, const QString& fileName)
{
    FMusicFolder = folder;
    const QStringList names = mp3FilesIn(folder);
    ListBox->clear();
    ListBox->addItems(names);

    const QSignalBlocker blocker(ComboBox3);
    ComboBox3->clear();
    ComboBox3->addItems(names);
    // A folder without MP3 files leaves the list and its text empty.
    if (!fileName.isEmpty() && QFileInfo(folder + fileName).isFile())
        ComboBox3->setEditText(fileName);
    else
        ComboBox3->setEditText(names.value(0));
}

void TfrmMain::ComboBox3Change(QObject* sender)
{
    if (FormLecteurMP3)
        FormLecteurMP3->TreeViewMP3DblClick(sender);
}

void TfrmMain::ClicksurLecture(QObject* sender)
{
    if (FormLecteurMP3)
        FormLecteurMP3->ImageLectureClick(sender);
}

void TfrmMain::ImagePauseClick(QObject* sender)
{
    if (FormLecteurMP3)
        FormLecteurMP3->ImagePauseClick(sender);
}

void TfrmMain::ImageArretClick(QObject* sender)
{
    if (FormLecteurMP3)
        FormLecteurMP3->ImageArretClick(sender);
}

void TfrmMain::TrackBarMP3Change(QObject* sender)
{
    // The player turns the position into a volume.
    if (FormLecteurMP3) {
        FormLecteurMP3->TrackBarMP3Position = TrackBarMP3->value();
        FormLecteurMP3->TrackBarMP3Change(sender);
    }
}

void TfrmMain::ImageBtImportMP3Click(QObject* sender)
{
    QString chosen;
    if (ChooseMp3File) {
        chosen = ChooseMp3File();
    } else {
        OpenDialog1->setFileMode(QFileDialog::ExistingFile);
        if (OpenDialog1->exec() == QDialog::Accepted)
            chosen = OpenDialog1->selectedFiles().value(0);
    }
    if (chosen.isEmpty())
        return;
    const qsizetype cut = chosen.lastIndexOf(QLatin1Char('/')) + 1;
    AjouteListeDeMusiques(chosen.left(cut), chosen.mid(cut));
    // While paused the list changes and the paused track stays paused.
    if (!MusicPaused && FormLecteurMP3)
        FormLecteurMP3->TreeViewMP3DblClick(sender);
}

QStringList TfrmMain::trackNames() const
{
    QStringList names;
    for (int i = 0; i < ComboBox3->count(); ++i)
        names << ComboBox3->itemText(i);
    return names;
}

QString TfrmMain::currentTrack() const
{
    return ComboBox3->currentText();
}

void TfrmMain::setCurrentTrack(const QString& name)
{
    const QSignalBlocker blocker(ComboBox3);
    ComboBox3->setEditText(name);
}

QString TfrmMain::musicFolder() const
{
    return FMusicFolder;
}

void TfrmMain::showScrollTitle(const QString& text)
{
    LabelDefilement->setText(text);
}
