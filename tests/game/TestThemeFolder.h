#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// A program folder whose pictures are plain and told apart by colour, so a
// pixel of the screen says which picture lies there. Texts, sounds, music
// and the font are those of the built data folder.
//
//  - board picture 12 (background): 1024 by 768, every pixel its own colour
//    (testBackgroundPixel);
//  - every other board picture: one solid colour, 60 by 60 (40 by 40 for the
//    digits and picker items), with the key colour at (1, 1) only;
//  - "1.bmp": a 150 by 38 face of kTestFaceColour, key at (1, 1) only, so
//    every other pixel of a face is part of its button;
//  - "aide.bmp", "aideRoll.bmp": 64 by 64, kTestHelpColour and
//    kTestHelpRolloverColour;
//  - "accueil.bmp": kTestHomeColour; "fenetre.bmp": 600 by 400 of
//    kTestWindowColour; "Tour.bmp": 170 by 50 of kTestAnswerFrameColour;
//  - "Grid.bmp": 541 by 541 of the key colour with one line of
//    kTestGridLineColour along its top row and its left column.
//
// Made once per test program; the path ends with a separator.
QString testThemeAppFolder();

inline const QColor kTestKeyColour(255, 0, 255);
inline const QColor kTestFaceColour(230, 210, 160);
inline const QColor kTestHelpColour(0, 120, 0);
inline const QColor kTestHelpRolloverColour(0, 200, 0);
inline const QColor kTestHomeColour(10, 20, 30);
inline const QColor kTestWindowColour(200, 200, 180);
inline const QColor kTestAnswerFrameColour(90, 60, 30);
inline const QColor kTestGridLineColour(1, 254, 3);

// The colour of pixel (x, y) of the test background.
QColor testBackgroundPixel(int x, int y);
