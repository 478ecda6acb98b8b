#pragma once

#include "Theme.h"

#include <QString>

// Pictures of the graphisme folder shared by all themes (sizes in pixels):
//   1.bmp          blank button face, captions are drawn on it    150 x 38, keyed
//   aide.bmp       help button                                    64 x 64, keyed
//   aideRoll.bmp   help button under the mouse                    64 x 64, keyed
//   accueil.bmp    home screen                                    1024 x 768
//   fenetre.bmp    message window                                 500 x 360
//   Grid.bmp       grid lines over the board                      540 x 540, keyed
//   Tour.bmp       frame behind a message window's answer button  150 x 38, keyed
//   splash.bmp     splash window                                  415 x 277
//   R.bmp, L.bmp   next / previous arrows of the option rows      21 x 17
void writeSharedPictures(const Fonts& fonts, const QString& folder);
