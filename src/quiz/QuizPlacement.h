#pragma once

// Where the quiz window opens, in screen pixels: it must leave the patient's
// eyes in view, since its questions are about them.
struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int Right() const { return x + width; }
    int Bottom() const { return y + height; }
};

// Beside the main window, right or else left of it, where the screen has room
// for `width`; otherwise at the screen's right edge over the value groups,
// narrowed to leave the eyes free, but not below minWidth. Its top is the
// main window's, within the screen. The result's height is 0: the window
// takes the height its questions need.
ScreenRect PlaceQuizWindow(const ScreenRect& screen, const ScreenRect& mainWindow, const ScreenRect& eyes, int width,
                           int minWidth);
