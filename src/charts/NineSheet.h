#pragma once

#include "charts/NinePositions.h"

#include <array>
#include <string>
#include <vector>

// The sheet of the nine positions of gaze from the view's nine pictures (in
// keypad order, all of one size, drawn on background): cut to what they
// show, set in the 3 x 3 grid, and each panel whose fixing eye cannot reach
// its position labelled (UTF-8) on a band at its foot, since its eyes are
// no finding. Drawn with Cairo and Pango, so it needs no display.
RgbPicture NineSheet(const std::vector<RgbPicture>& panelsByKey, const std::array<bool, kNinePanelCount>& cannotFixate,
                     const std::array<unsigned char, 3>& background, const std::string& label);
