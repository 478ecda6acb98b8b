#include "LecteurMP3Unit.h"

TFormLecteurMP3* FormLecteurMP3 = nullptr;
bool MusicPaused = false;

TFormLecteurMP3::TFormLecteurMP3(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FormLecteurMP3"));
    setWindowTitle(QStringLiteral("Lecteur MP3"));
    resize(300, 200);
}
