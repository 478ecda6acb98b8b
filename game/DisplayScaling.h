#pragma once

// Keeps one pixel of the game's 1024x768 screen image one pixel of the
// display: switches Qt's high-DPI scaling off, both the scaling Qt derives
// from the platform (a desktop scale factor, a high logical DPI) and the
// factors a desktop session puts into the environment (QT_SCALE_FACTOR,
// QT_SCREEN_SCALE_FACTORS), which Qt applies even with scaling off. The game
// is drawn for a display switched to 1024x768; scaled, it would not fit it.
// Must be called before the application object is created.
void keepScreenPixelsUnscaled();
