#include "quiz/QuizPlacement.h"

#include <algorithm>

namespace {

// Between the eyes and the window, so the outer edge of an eyeball stays clear.
constexpr int kGapToEyes = 8;

}  // namespace

ScreenRect PlaceQuizWindow(const ScreenRect& screen, const ScreenRect& mainWindow, const ScreenRect& eyes, int width,
                           int minWidth)
{
    ScreenRect placed;
    placed.y = std::clamp(mainWindow.y, screen.y, std::max(screen.y, screen.Bottom() - 1));
    placed.width = std::min(width, screen.width);
    if (screen.Right() - mainWindow.Right() >= placed.width) {
        placed.x = mainWindow.Right();
    } else if (mainWindow.x - screen.x >= placed.width) {
        placed.x = mainWindow.x - placed.width;
    } else {
        const int clearOfEyes = screen.Right() - (eyes.Right() + kGapToEyes);
        placed.width = std::clamp(clearOfEyes, std::min(minWidth, screen.width), placed.width);
        placed.x = screen.Right() - placed.width;
    }
    return placed;
}
