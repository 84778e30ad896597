#include "charts/HessLayout.h"

#include "model/MusclePresets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

HessCaptions Captions()
{
    return {"Case",
            "Left eye",
            "Right eye",
            "eso",
            "exo",
            "hyper",
            "hypo",
            "Primary position:",
            "PD",
            "beyond measurement",
            "As seen by the patient",
            ".",
            "cannot fixate"};
}

// Where an element lands, to a micrometre, with its ink or place: one
// comparison names every field of it.
const char* const kInks[] = {"grid", "axis", "target", "plot"};

std::string Where(const ChartLine& l)
{
    char text[96];
    std::snprintf(text, sizeof text, "%.3f,%.3f %.3f,%.3f %s", l.x1, l.y1, l.x2, l.y2, kInks[int(l.ink)]);
    return text;
}

std::string Where(const ChartDot& d)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.3f,%.3f r %.1f %s", d.x, d.y, d.radius, kInks[int(d.ink)]);
    return text;
}

std::string Where(const ChartText& t)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.3f,%.3f %s%s ", t.x, t.y, t.place == TextPlace::left ? "left" : "centre",
                  t.heading ? " heading" : "");
    return text + t.text;
}

}  // namespace

TEST(HessLayout, EachFieldIsDrawnWhereItsDegreesSayWithUpAtTheTop)
{
    // Plots placed by hand: on the left field the centre and the first ring
    // point moved, on the right a point beyond the grid held at its edge and
    // one exactly on its corner, which is not beyond it.
    HessField left;
    left.plotted = HessTargets();
    left.plotted[0] = {3.0, 6.0};
    left.plotted[1] = {-12.0, 18.0};
    left.primary = {3.0, 6.0};
    HessField right;
    right.plotted = HessTargets();
    right.plotted[kHessTargetCount - 1] = {-60.0, -50.0};
    right.plotted[kHessTargetCount - 2] = {kHessGridReach, -kHessGridReach};
    const ChartDrawing drawing = LayOutHessChart(left, right, Captions());

    // Each field: 19 vertical and 19 horizontal lines, then the targets' two
    // rings and the plots' two rings; its 17 targets' dots, then its 17 plots'.
    // Grids of 120 mm for 90 degrees centred at (78, 94) and (219, 94) mm;
    // the first line is the leftmost, and the only axes are the tenth pair.
    constexpr int kLinesPerField = 2 * 19 + 4 * kHessRingSize;
    // The plot beyond the grid adds one stroke outwards from the edge.
    ASSERT_EQ(drawing.lines.size(), 2u * kLinesPerField + 1);
    ASSERT_EQ(drawing.dots.size(), 4u * kHessTargetCount);
    ASSERT_EQ(drawing.texts.size(), 6u);
    const std::vector<ChartLine>& lines = drawing.lines;
    EXPECT_EQ(Where(lines[0]), "18.000,154.000 18.000,34.000 grid");
    EXPECT_EQ(Where(lines[1]), "18.000,154.000 138.000,154.000 grid");
    EXPECT_EQ(Where(lines[18]), "78.000,154.000 78.000,34.000 axis");
    EXPECT_EQ(Where(lines[19]), "18.000,94.000 138.000,94.000 axis");
    EXPECT_EQ(Where(lines[kLinesPerField + 37]), "159.000,34.000 279.000,34.000 grid");
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const ChartLine& l) { return l.ink == ChartInk::axis; }), 4);
    // The rings run from the upper left point to its right and close on it.
    EXPECT_EQ(Where(lines[38]), "58.000,74.000 78.000,74.000 target");
    EXPECT_EQ(Where(lines[45]), "58.000,94.000 58.000,74.000 target");
    EXPECT_EQ(Where(lines[46]), "38.000,54.000 78.000,54.000 target");
    EXPECT_EQ(Where(lines[54]), "62.000,70.000 78.000,74.000 plot");
    EXPECT_EQ(Where(lines[61]), "58.000,94.000 62.000,70.000 plot");
    EXPECT_EQ(Where(lines.back()), "159.000,154.000 156.879,156.121 plot");

    const std::vector<ChartDot>& dots = drawing.dots;
    EXPECT_EQ(Where(dots[0]), "78.000,94.000 r 1.2 target");
    EXPECT_EQ(Where(dots[1]), "58.000,74.000 r 1.2 target");
    EXPECT_EQ(Where(dots[kHessTargetCount]), "82.000,86.000 r 1.0 plot");
    EXPECT_EQ(Where(dots[2 * kHessTargetCount + 3]), "239.000,74.000 r 1.2 target");
    EXPECT_EQ(Where(dots[4 * kHessTargetCount - 1]), "159.000,154.000 r 1.0 plot");
    EXPECT_EQ(std::count_if(dots.begin(), dots.end(), [](const ChartDot& d) { return d.ink == ChartInk::plot; }),
              2 * kHessTargetCount);

    const std::vector<ChartText>& texts = drawing.texts;
    EXPECT_EQ(Where(texts[0]), "148.500,14.000 centre heading Case");
    EXPECT_EQ(Where(texts[1]), "78.000,30.000 centre heading Left eye");
    EXPECT_EQ(Where(texts[2]), "18.000,163.000 left " + PrimaryDeviationText(left.primary, Captions()));
    EXPECT_EQ(Where(texts[3]), "219.000,30.000 centre heading Right eye");
    EXPECT_EQ(Where(texts[4]), "159.000,163.000 left " + PrimaryDeviationText(right.primary, Captions()));
    EXPECT_EQ(Where(texts[5]), "148.500,196.000 centre As seen by the patient");
}

TEST(HessLayout, TargetsTheFixingEyeCannotReachGetACrossInsteadOfAPlot)
{
    Examination sixth;
    sixth.SetMuscles(PresetStrengths(MusclePreset::sixthNervePalsy, Eye::one));
    const HessField left = HessFieldOf(Eye::two, sixth);
    const HessField right = HessFieldOf(Eye::one, sixth);
    // The paretic right eye cannot fixate anything to the patient's right.
    int missing = 0;
    for (int i = 0; i < kHessTargetCount; ++i) {
        EXPECT_EQ(left.cannotFixate[i], HessTargets()[i].x > 0) << i;
        missing += left.cannotFixate[i];
        EXPECT_FALSE(right.cannotFixate[i]) << i;
    }
    const ChartDrawing drawing = LayOutHessChart(left, right, Captions());
    EXPECT_EQ(std::count_if(drawing.dots.begin(), drawing.dots.end(),
                            [](const ChartDot& d) { return d.ink == ChartInk::plot; }),
              2 * kHessTargetCount - missing);
    // Each ring loses the four joins that touch its three missing points and
    // gains two strokes per cross.
    const auto plotLines = std::count_if(drawing.lines.begin(), drawing.lines.end(),
                                         [](const ChartLine& l) { return l.ink == ChartInk::plot; });
    EXPECT_EQ(plotLines, 2 * 2 * kHessRingSize - 2 * 4 + 2 * missing);
    // The first cross, over the inner ring's upper right target (15, 15),
    // follows the grid, the targets' rings and what is left of the plots'.
    constexpr std::size_t kFirstCross = 2 * 19 + 2 * kHessRingSize + (2 * kHessRingSize - 2 * 4);
    // What is left of the plots' rings joins only plots that are drawn.
    const auto drawn = [&](double x, double y) {
        return std::any_of(drawing.dots.begin(), drawing.dots.end(),
                           [&](const ChartDot& d) { return d.ink == ChartInk::plot && d.x == x && d.y == y; });
    };
    for (std::size_t i = 2 * 19 + 2 * kHessRingSize; i < kFirstCross; ++i)
        EXPECT_TRUE(drawn(drawing.lines[i].x1, drawing.lines[i].y1) && drawn(drawing.lines[i].x2, drawing.lines[i].y2))
            << Where(drawing.lines[i]);
    EXPECT_EQ(Where(drawing.lines[kFirstCross]), "96.200,72.200 99.800,75.800 plot");
    EXPECT_EQ(Where(drawing.lines[kFirstCross + 1]), "96.200,75.800 99.800,72.200 plot");
    const auto says = [&](const std::string& text) {
        return std::count_if(drawing.texts.begin(), drawing.texts.end(),
                             [&](const ChartText& t) { return t.text == text; });
    };
    EXPECT_EQ(says("\xC3\x97 cannot fixate"), 1);
    EXPECT_EQ(says("Primary position: cannot fixate"), 0);

    MuscleStrengths complete;
    complete.Set(Eye::one, Muscle::LR, 0);
    Examination completePalsy;
    completePalsy.SetMuscles(complete);
    const HessField noCentre = HessFieldOf(Eye::two, completePalsy);
    ASSERT_TRUE(noCentre.cannotFixate[0]);
    const ChartDrawing withoutCentre = LayOutHessChart(noCentre, right, Captions());
    EXPECT_EQ(std::count_if(withoutCentre.texts.begin(), withoutCentre.texts.end(),
                            [](const ChartText& t) { return t.text == "Primary position: cannot fixate"; }),
              1);
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
    // 100 tan 90° has no value and turns negative beyond it: no prism value
    // is given for what cannot be measured, nor for a broken number.
    EXPECT_EQ(PrimaryDeviationText({89.9, -100.0}, Captions()),
              "Primary position: 89.9\xC2\xB0 (57295.7 PD) eso, hypo beyond measurement");
    EXPECT_EQ(PrimaryDeviationText({-90.0, std::nan("")}, Captions()),
              "Primary position: exo beyond measurement, hypo beyond measurement");
    EXPECT_EQ(PrimaryDeviationText({-5.0, 0.01}, Captions()),
              "Primary position: 5.0\xC2\xB0 (8.7 PD) exo, 0.0\xC2\xB0");
    // The language's decimal mark, in the numbers only.
    HessCaptions german = Captions();
    german.decimalMark = ",";
    german.primary = "Prim\xC3\xA4rposition.";
    EXPECT_EQ(PrimaryDeviationText({8.8, 0.01}, german),
              "Prim\xC3\xA4rposition. 8,8\xC2\xB0 (15,5 PD) eso, 0,0\xC2\xB0");
}
