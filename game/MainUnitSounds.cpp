// The wave sounds, played by name from the sound folder.
#include "MainUnit.h"

void TfrmMain::JoueSon(const QString& name)
{
    m_sounds.JoueSon(name);
}
