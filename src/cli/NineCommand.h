#pragma once

#include "charts/NinePositions.h"
#include "cli/CommandLine.h"
#include "examination/Examination.h"
#include "settings/SettingsFile.h"
#include "view/OffscreenGl.h"

#include <ostream>
#include <string>

// The view's size in the main window at its default size: the nine
// positions have always been drawn at it.
inline constexpr int kNineViewWidth = 399;
inline constexpr int kNineViewHeight = 414;

// The nine positions sheet of examination as the window's view draws it
// with the settings' display options, drawn into gl (current, of the view's
// size), so no display is needed. label (UTF-8) marks the panels whose
// fixing eye cannot fixate. Without the iris texture file in the working
// folder the iris is drawn without a pattern, as in the window, and
// textureLoaded is false.
RgbPicture DrawNineSheet(const OffscreenGl& gl, const Examination& examination, const Settings& settings,
                         int eccentricity, const std::string& label, bool& textureLoaded);

// Runs --nine without the toolkit: reads the settings and the language the
// window would use from the current folder, opens the case as the window
// does and writes its nine positions sheet as PNG. A refused muscle file
// beside the case is reported on err and the case drawn with normal
// strengths. Returns the exit status: 0 success, 1 a failure (the file then
// is not written). When no OpenGL can be had without a display, nothing is
// said or written, offscreenFailure says why, and the caller may draw
// through a window instead.
int RunNineCommand(const CommandLine& command, const std::string& startFolder, std::ostream& err,
                   std::string& offscreenFailure);
