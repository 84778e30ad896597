#include "quiz/QuizPlacement.h"

#include <gtest/gtest.h>

namespace {

TEST(QuizPlacement, BesideTheMainWindowWhereThereIsRoomElseOverTheValueGroups)
{
    const ScreenRect fullHd{0, 0, 1920, 1050};
    const ScreenRect small{0, 0, 640, 508};
    const ScreenRect smallEyes{60, 150, 300, 130};
    ScreenRect placed = PlaceQuizWindow(fullHd, small, smallEyes, 600, 380);
    EXPECT_EQ(placed.x, 640);
    EXPECT_EQ(placed.y, 0);
    EXPECT_EQ(placed.width, 600);

    // Room on the left only, just as wide as the quiz.
    placed = PlaceQuizWindow(fullHd, {600, 40, 1320, 600}, {1100, 200, 400, 150}, 600, 380);
    EXPECT_EQ(placed.x, 0);
    EXPECT_EQ(placed.y, 40);

    // A maximised window: at the right edge, as wide as asked when the eyes leave room.
    const ScreenRect maximised{0, 0, 1366, 740};
    placed = PlaceQuizWindow(maximised, maximised, {250, 200, 500, 200}, 560, 380);
    EXPECT_EQ(placed.Right(), 1366);
    EXPECT_EQ(placed.width, 560);
    // Narrower when the eyes reach further, never over them ...
    placed = PlaceQuizWindow(maximised, maximised, {300, 200, 600, 200}, 560, 380);
    EXPECT_EQ(placed.Right(), 1366);
    EXPECT_EQ(placed.x, 900 + 8);
    // ... but not below the least width that still shows a question.
    placed = PlaceQuizWindow(maximised, maximised, {100, 200, 1200, 200}, 560, 380);
    EXPECT_EQ(placed.width, 380);
    EXPECT_EQ(placed.Right(), 1366);

    // A main window partly above the screen keeps the quiz's title bar on it.
    placed = PlaceQuizWindow(fullHd, {0, -50, 640, 508}, smallEyes, 600, 380);
    EXPECT_EQ(placed.y, 0);
    // One below it comes up onto its last row.
    placed = PlaceQuizWindow(fullHd, {0, 2000, 640, 508}, smallEyes, 600, 380);
    EXPECT_EQ(placed.y, 1049);
    // A screen narrower than the least width.
    placed = PlaceQuizWindow({0, 0, 300, 400}, {0, 0, 300, 400}, {0, 0, 300, 100}, 600, 380);
    EXPECT_EQ(placed.x, 0);
    EXPECT_EQ(placed.width, 300);
}

}  // namespace
