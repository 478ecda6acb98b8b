#pragma once

#include <QString>

// Writes the seven effect sounds the game plays by name into `folder`:
// "7" (picker opens), "Loud" (digit placed), "erase", "Impossible"
// (refused move), "applause" (grid solved), "help" (hint) and "Message"
// (status message), each as <name>.wav.
void writeSounds(const QString& folder);
