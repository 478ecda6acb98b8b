#pragma once

#include <QString>

#include <cstdint>

// A drawn window. MessageWindow uses every field; HomeScreen and GameMenu
// only Visible (Fenetres.h).
struct TKaloFenetre {
    bool Visible = false;
    QString Caption;          // nothing reads it
    bool Answer = false;      // true: yes button; stored by DrawMenus before CloseMessageWindow
    std::int32_t X = 0;       // place on the screen, recomputed by DrawMenus every frame
    std::int32_t Y = 0;
    QString Text;             // the message; cutMessageLines splits it for drawing
    std::uint8_t Kind = 0;    // selects the list window's setup and the yes action
};
