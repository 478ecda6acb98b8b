#pragma once

#include <QString>

// The user's folder of that name: "appdata" (the per-user data root) or
// "fonts" (the per-user fonts folder), matched without regard to case. Never
// empty for those two and never the file-system root; any other name gives
// the empty text. Nothing is created.
QString GetShellFolder(const QString& name);
