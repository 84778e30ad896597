#include "charts/HessLayout.h"

#include "model/MusclePresets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace {

HessCaptions Captions()
{
    HessCaptions captions;
    captions.title = "Case";
    captions.leftField = "Left eye";
    captions.rightField = "Right eye";
    captions.eso = "eso";
    captions.exo = "exo";
    captions.hyper = "hyper";
    captions.hypo = "hypo";
    captions.primary = "Primary position:";
    captions.prismDioptres = "PD";
    captions.beyondMeasurement = "beyond measurement";
    captions.convention = "As seen by the patient";
    return captions;
}

int Count(const ChartDrawing& drawing, ChartInk ink)
{
    return static_cast<int>(std::count_if(drawing.dots.begin(), drawing.dots.end(),
                                          [ink](const ChartDot& dot) { return dot.ink == ink; }));
}

} // namespace

TEST(HessLayout, BothFieldsHoldGridTargetsAndPlotsInsideThePage)
{
    const MuscleStrengths sixth = PresetStrengths(MusclePreset::sixthNervePalsy, Eye::one);
    const HessField left = HessFieldOf(Eye::two, {}, sixth);
    const HessField right = HessFieldOf(Eye::one, {}, sixth);
    const ChartDrawing drawing = LayOutHessChart(left, right, Captions());

    EXPECT_EQ(Count(drawing, ChartInk::target), 2 * kHessTargetCount);
    EXPECT_EQ(Count(drawing, ChartInk::plot), 2 * kHessTargetCount);
    const auto lines = [&](ChartInk ink) {
        return std::count_if(drawing.lines.begin(), drawing.lines.end(), [ink](const ChartLine& l) { return l.ink == ink; });
    };
    EXPECT_EQ(lines(ChartInk::grid), 2 * 2 * 18);  // 5-degree lines out to 45 on both sides, both ways, both fields
    EXPECT_EQ(lines(ChartInk::axis), 2 * 2);
    // Two closed rings per field, and a stroke for each plot held at the grid's edge.
    int beyondTheGrid = 0;
    for (const HessField* field : {&left, &right})
        for (const ChartPoint& point : field->plotted)
            beyondTheGrid += std::abs(point.x) > kHessGridReach || std::abs(point.y) > kHessGridReach;
    EXPECT_EQ(lines(ChartInk::plot), 2 * 2 * kHessRingSize + beyondTheGrid);
    for (const ChartDot& dot : drawing.dots) {
        EXPECT_GT(dot.x, 0);
        EXPECT_LT(dot.x, kHessPageWidth);
        EXPECT_GT(dot.y, 0);
        EXPECT_LT(dot.y, kHessPageHeight);
    }
    // The left eye's field comes first and lies on the left of the page; its
    // centre plot lies right of the right field's by more than the gap between the grids.
    std::vector<ChartDot> plots;
    std::copy_if(drawing.dots.begin(), drawing.dots.end(), std::back_inserter(plots),
                 [](const ChartDot& dot) { return dot.ink == ChartInk::plot; });
    EXPECT_LT(plots[0].x, kHessPageWidth / 2);
    EXPECT_GT(plots[kHessTargetCount].x, kHessPageWidth / 2);
    const std::vector<ChartDot>& targets = drawing.dots;
    EXPECT_GT(plots[0].x - targets[0].x, 0) << "the left eye points nasally: to the patient's right";
    EXPECT_LT(plots[kHessTargetCount].x - targets[2 * kHessTargetCount].x, 0);
}

TEST(HessLayout, PrimaryDeviationIsWrittenInDegreesAndPrismDioptres)
{
    EXPECT_EQ(PrimaryDeviationText({8.8, -2.0}, Captions()),
              "Primary position: 8.8\xC2\xB0 (15.5 PD) eso, 2.0\xC2\xB0 (3.5 PD) hypo");
    EXPECT_EQ(PrimaryDeviationText({-5.0, 0.01}, Captions()),
              "Primary position: 5.0\xC2\xB0 (8.7 PD) exo, 0.0\xC2\xB0");
    // 100 tan 90° has no value and turns negative beyond it: no prism value
    // is given for what cannot be measured, nor for a broken number.
    EXPECT_EQ(PrimaryDeviationText({89.9, -100.0}, Captions()),
              "Primary position: 89.9\xC2\xB0 (57295.7 PD) eso, hypo beyond measurement");
    EXPECT_EQ(PrimaryDeviationText({-90.0, std::nan("")}, Captions()),
              "Primary position: exo beyond measurement, hypo beyond measurement");
}

TEST(HessLayout, PlotsBeyondTheGridAreHeldAtItsEdgeWithAStrokeOutwards)
{
    HessField wild;
    wild.plotted[0] = {100.0, 0.0};
    wild.plotted[1] = {-60.0, -60.0};
    const ChartDrawing drawing = LayOutHessChart(wild, HessField{}, Captions());
    std::vector<ChartLine> strokes;
    double left = kHessPageWidth, right = 0, bottom = 0;
    for (const ChartLine& line : drawing.lines) {
        if (line.ink == ChartInk::plot && std::abs(std::hypot(line.x2 - line.x1, line.y2 - line.y1) - 3.0) < 0.01)
            strokes.push_back(line);
        if (line.ink == ChartInk::grid && line.x1 < kHessPageWidth / 2) {
            left = std::min({left, line.x1, line.x2});
            right = std::max({right, line.x1, line.x2});
            bottom = std::max({bottom, line.y1, line.y2});
        }
    }
    std::vector<ChartDot> plots;
    std::copy_if(drawing.dots.begin(), drawing.dots.end(), std::back_inserter(plots),
                 [](const ChartDot& dot) { return dot.ink == ChartInk::plot; });
    // Held at the left field's grid edge, however far out the value lies.
    EXPECT_DOUBLE_EQ(plots[0].x, right);
    EXPECT_DOUBLE_EQ(plots[1].x, left);
    EXPECT_DOUBLE_EQ(plots[1].y, bottom);
    ASSERT_EQ(strokes.size(), 2u) << "one stroke per point beyond the grid, none for those within";
    EXPECT_DOUBLE_EQ(strokes[0].x1, plots[0].x);
    EXPECT_GT(strokes[0].x2, strokes[0].x1);
    EXPECT_DOUBLE_EQ(strokes[0].y2, strokes[0].y1);
    EXPECT_LT(strokes[1].x2, strokes[1].x1);
    EXPECT_GT(strokes[1].y2, strokes[1].y1) << "down the page for a point below the grid";
}
