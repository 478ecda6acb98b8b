#pragma once

#include <QString>

// One drawn image button's state. The main window keeps its 18 buttons in
// the global table Buttons (UnitePerso.h) and passes Enabled and Visible to
// DrawImageButton every frame; the message window's answer buttons are
// YesButton and NoButton (Fenetres.h). The face index, the place and the
// command are given by the caller at each draw.
struct TKaloBouton {
    bool Visible = false;   // false: neither drawn nor hit-tested
    QString Caption;        // stored by the owners, never drawn: faces carry their captions
    bool Enabled = false;   // false: drawn with the disabled face, never clicked
};
