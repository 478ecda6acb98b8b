#pragma once

#include "ButtonFaces.h"
#include "ButtonId.h"

#include <array>
#include <cstdint>

// The drawn button columns: which entry of Buttons stands where, with which
// face. Entries are drawn top to bottom in this order; a hidden entry takes
// no room, so the visible ones stand kButtonStep apart without gaps, the
// first one kButtonStep below the column's start.
struct ColumnEntry
{
    int button;          // index in Buttons
    std::uint8_t face;   // button face 1..20
};

inline constexpr int kButtonStep = 40;

inline constexpr int kGameColumnX = 80;
inline constexpr int kGameColumnY = 100;
inline constexpr std::array<ColumnEntry, 9> kGameColumn{{
    {ButtonId::Solve, Face::Solve},
    {ButtonId::Replay, Face::NewGame},
    {ButtonId::Check, Face::Check},
    {ButtonId::Print, Face::Print},
    {ButtonId::Load, Face::Load},
    {ButtonId::Options, Face::Options},
    {ButtonId::Save, Face::Save},
    {ButtonId::Play, Face::Play},
    {ButtonId::Quit, Face::Quit}}};

inline constexpr int kHomeColumnX = 450;
inline constexpr int kHomeColumnY = 240;
inline constexpr std::array<ColumnEntry, 7> kHomeColumn{{
    {ButtonId::NewGame, Face::NewGame},
    {ButtonId::Design, Face::Design},
    {ButtonId::Load, Face::Load},
    {ButtonId::Scores, Face::Scores},
    {ButtonId::Rules, Face::Rules},
    {ButtonId::Multiplayer, Face::Multiplayer},
    {ButtonId::Quit, Face::Exit}}};

// The help button stands alone in the top-right corner.
inline constexpr int kHelpX = 940;
inline constexpr int kHelpY = 1;

// Entries that belong to a drawn button (the others are never read).
inline constexpr std::array<int, 15> kDrawnButtons{
    ButtonId::Solve, ButtonId::Replay,  ButtonId::Check,  ButtonId::Print,  ButtonId::Load,
    ButtonId::Options, ButtonId::Save,  ButtonId::Play,   ButtonId::Quit,   ButtonId::Help,
    ButtonId::NewGame, ButtonId::Design, ButtonId::Rules, ButtonId::Scores, ButtonId::Multiplayer};

// The message window: centred on x 512 at y 200, answer buttons with their
// frames at (+50, +300) and (+300, +300), text lines from (+20) 18 pixels
// apart, centred by counting 9 pixels per character.
inline constexpr int kMessageCentreX = 512;
inline constexpr int kMessageTop = 200;
inline constexpr int kYesOffsetX = 50;
inline constexpr int kNoOffsetX = 300;
inline constexpr int kAnswerOffsetY = 300;
inline constexpr int kTextTop = 20;
inline constexpr int kTextLineHeight = 18;
inline constexpr int kTextCharWidth = 9;
inline constexpr int kTextSize = 13;
inline constexpr std::uint32_t kTextColour = 0x282896;  // Windows colour: red 150, green 40, blue 40
