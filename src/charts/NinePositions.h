#pragma once

#include <array>
#include <vector>

// The nine diagnostic positions of gaze as one picture, laid out as the
// examiner sees the patient: the patient's right on the viewer's left, so
// the upper left panel shows him looking up and to his right.

inline constexpr int kNineEccentricities[] = {15, 20, 25, 30};  // degrees
inline constexpr int kDefaultNineEccentricity = 25;
inline constexpr int kNinePanelCount = 9;

// Pixels of background kept around the eyes, and of the light frame between
// the panels that keeps neighbouring panels' eyes apart.
inline constexpr int kNinePanelMargin = 12;
inline constexpr int kNinePanelGap = 6;
inline constexpr std::array<unsigned char, 3> kNinePanelFrame = {220, 220, 220};
// The "cannot fixate" label stands on a band of the frame's colour at the
// foot of its panel, in a sans-serif font of this size.
inline constexpr int kNineLabelPoints = 10;
inline constexpr int kNineLabelPadding = 4;

// The numeric-keypad position of gaze (1 = down and to the viewer's left,
// 9 = up and to the viewer's right) shown in a panel, row 0 at the top,
// column 0 on the left.
int KeypadKeyOfPanel(int row, int column);

// A picture as rows of RGB bytes from the top.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
};

struct PixelBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The smallest box holding every pixel that is not the background in any
// of the pictures (all of one size), grown by margin and kept inside them.
// The whole picture when nothing but background is found.
PixelBox CommonContent(const std::vector<RgbPicture>& pictures, const std::array<unsigned char, 3>& background,
                       int margin);

// The panels (in keypad order 1 to 9, all of one size) cut to box and set in
// a 3 x 3 grid, with gap pixels of the frame colour between and around them.
RgbPicture ComposeNinePanels(const std::vector<RgbPicture>& panelsByKey, const PixelBox& box,
                             const std::array<unsigned char, 3>& frame, int gap);

// Where ComposeNinePanels sets the panel of a keypad key (1 to 9).
PixelBox PanelOnSheet(int key, const PixelBox& box, int gap);
