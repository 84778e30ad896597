#include "charts/HessLayout.h"

#include "model/MusclePresets.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    captions.convention = "As seen by the patient";
    return captions;
}

int Count(const ChartDrawing& drawing, ChartInk ink)
{
    return static_cast<int>(std::count_if(drawing.dots.begin(), drawing.dots.end(),
                                          [ink](const ChartDot& dot) { return dot.ink == ink; }));
}

} // namespace

TEST(HessLayout, EachFieldIsDrawnWhereItsDegreesSayWithUpAtTheTop)
{
    // Plots placed by hand: on the left field the centre and the first ring
    // point moved, on the right a point beyond the grid held at its edge.
    HessField left;
    left.plotted = HessTargets();
    left.plotted[0] = {3.0, 6.0};
    left.plotted[1] = {-12.0, 18.0};
    left.primary = {3.0, 6.0};
    HessField right;
    right.plotted = HessTargets();
    right.plotted[kHessTargetCount - 1] = {-60.0, -50.0};
    const ChartDrawing drawing = LayOutHessChart(left, right, Captions());

    // Each field: 19 vertical and 19 horizontal lines, then the targets' two
    // rings and the plots' two rings; its 17 targets' dots, then its 17 plots'.
    constexpr int kLinesPerField = 2 * 19 + 4 * kHessRingSize;
    ASSERT_EQ(drawing.lines.size(), 2u * kLinesPerField);
    ASSERT_EQ(drawing.dots.size(), 4u * kHessTargetCount);
    const auto expectLine = [](const ChartLine& line, double x1, double y1, double x2, double y2, ChartInk ink) {
        EXPECT_NEAR(line.x1, x1, 1e-9);
        EXPECT_NEAR(line.y1, y1, 1e-9);
        EXPECT_NEAR(line.x2, x2, 1e-9);
        EXPECT_NEAR(line.y2, y2, 1e-9);
        EXPECT_EQ(line.ink, ink);
    };
    const auto expectDot = [](const ChartDot& dot, double x, double y, double radius, ChartInk ink) {
        EXPECT_NEAR(dot.x, x, 1e-9);
        EXPECT_NEAR(dot.y, y, 1e-9);
        EXPECT_EQ(dot.radius, radius);
        EXPECT_EQ(dot.ink, ink);
    };
    // Grids of 120 mm for 90 degrees, centred at (78, 94) and (219, 94) mm;
    // the first line is the leftmost, and the only axes are the tenth pair.
    expectLine(drawing.lines[0], 18, 154, 18, 34, ChartInk::grid);
    expectLine(drawing.lines[1], 18, 154, 138, 154, ChartInk::grid);
    expectLine(drawing.lines[18], 78, 154, 78, 34, ChartInk::axis);
    expectLine(drawing.lines[19], 18, 94, 138, 94, ChartInk::axis);
    expectLine(drawing.lines[kLinesPerField + 37], 159, 34, 279, 34, ChartInk::grid);
    // The rings run from the upper left target to its right and close on it.
    expectLine(drawing.lines[38], 58, 74, 78, 74, ChartInk::target);
    expectLine(drawing.lines[45], 58, 94, 58, 74, ChartInk::target);
    expectLine(drawing.lines[46], 38, 54, 78, 54, ChartInk::target);
    expectLine(drawing.lines[54], 62, 70, 78, 74, ChartInk::plot);
    expectLine(drawing.lines[61], 58, 94, 62, 70, ChartInk::plot);
    EXPECT_EQ(std::count_if(drawing.lines.begin(), drawing.lines.end(),
                            [](const ChartLine& l) { return l.ink == ChartInk::axis; }), 4);
    EXPECT_EQ(Count(drawing, ChartInk::target), 2 * kHessTargetCount);
    EXPECT_EQ(Count(drawing, ChartInk::plot), 2 * kHessTargetCount);

    expectDot(drawing.dots[0], 78, 94, 1.2, ChartInk::target);
    expectDot(drawing.dots[1], 58, 74, 1.2, ChartInk::target);
    expectDot(drawing.dots[kHessTargetCount], 82, 86, 1.0, ChartInk::plot);
    expectDot(drawing.dots[2 * kHessTargetCount + 3], 239, 74, 1.2, ChartInk::target);
    expectDot(drawing.dots[4 * kHessTargetCount - 1], 159, 154, 1.0, ChartInk::plot);

    ASSERT_EQ(drawing.texts.size(), 6u);
    const auto expectText = [](const ChartText& text, double x, double y, const std::string& words, TextPlace place,
                               bool heading) {
        EXPECT_NEAR(text.x, x, 1e-9);
        EXPECT_NEAR(text.y, y, 1e-9);
        EXPECT_EQ(text.text, words);
        EXPECT_EQ(text.place, place);
        EXPECT_EQ(text.heading, heading);
    };
    expectText(drawing.texts[0], 148.5, 14, "Case", TextPlace::centre, true);
    expectText(drawing.texts[1], 78, 30, "Left eye", TextPlace::centre, true);
    expectText(drawing.texts[2], 18, 163, PrimaryDeviationText(left.primary, Captions()), TextPlace::left, false);
    expectText(drawing.texts[3], 219, 30, "Right eye", TextPlace::centre, true);
    expectText(drawing.texts[4], 159, 163, PrimaryDeviationText(right.primary, Captions()), TextPlace::left, false);
    expectText(drawing.texts[5], 148.5, 196, "As seen by the patient", TextPlace::centre, false);
}

TEST(HessLayout, ThePatientsLeftEyeIsPlottedOnTheLeftOfThePage)
{
    const MuscleStrengths sixth = PresetStrengths(MusclePreset::sixthNervePalsy, Eye::one);
    const ChartDrawing drawing =
        LayOutHessChart(HessFieldOf(Eye::two, {}, sixth), HessFieldOf(Eye::one, {}, sixth), Captions());
    const std::vector<ChartDot>& dots = drawing.dots;
    // A right sixth nerve palsy turns both eyes in at the centre: the left
    // eye's plot lies to the patient's right of its target, the right eye's to his left.
    EXPECT_GT(dots[kHessTargetCount].x, dots[0].x);
    EXPECT_LT(dots[3 * kHessTargetCount].x, dots[2 * kHessTargetCount].x);
}

TEST(HessLayout, PrimaryDeviationIsWrittenInDegreesAndPrismDioptres)
{
    EXPECT_EQ(PrimaryDeviationText({8.8, -2.0}, Captions()),
              "Primary position: 8.8\xC2\xB0 (15.5 PD) eso, 2.0\xC2\xB0 (3.5 PD) hypo");
    // 0.05 prints as 0.1 and is named; below it nothing is.
    EXPECT_EQ(PrimaryDeviationText({-0.5, 0.05}, Captions()),
              "Primary position: 0.5\xC2\xB0 (0.9 PD) exo, 0.1\xC2\xB0 (0.1 PD) hyper");
    EXPECT_EQ(PrimaryDeviationText({0.049, -5.0}, Captions()),
              "Primary position: 0.0\xC2\xB0, 5.0\xC2\xB0 (8.7 PD) hypo");
}
