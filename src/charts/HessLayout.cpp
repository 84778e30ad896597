#include "charts/HessLayout.h"

#include "lang/DecimalMark.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr double kFieldSide = 120.0;
constexpr double kFieldTop = 34.0;
constexpr double kFieldLefts[2] = {18.0, kHessPageWidth - 18.0 - kFieldSide};
constexpr double kMillimetresPerDegree = kFieldSide / (2 * kHessGridReach);
constexpr double kTargetRadius = 1.2;
constexpr double kPlotRadius = 1.0;
// A plot beyond the grid is held at its edge with a stroke pointing on out.
constexpr double kOutOfRangeStroke = 3.0;
// 100 tan 90° has no value, and beyond it the tangent turns negative.
constexpr double kMeasurableDegrees = 90.0;
constexpr double kCrossArm = 1.8;

struct FieldFrame {
    double centreX, centreY;

    double X(double degrees) const { return centreX + kMillimetresPerDegree * Clamp(degrees); }
    double Y(double degrees) const { return centreY - kMillimetresPerDegree * Clamp(degrees); }

    static double Clamp(double degrees) { return std::clamp(degrees, -kHessGridReach, kHessGridReach); }
};

// -1, 0 or 1: which way a value lies beyond the grid.
int Overflow(double degrees)
{
    return degrees > kHessGridReach ? 1 : degrees < -kHessGridReach ? -1 : 0;
}

void AddGrid(const FieldFrame& frame, ChartDrawing& drawing)
{
    const int steps = static_cast<int>(kHessGridReach / kHessGridStep);
    for (int i = -steps; i <= steps; ++i) {
        const double d = i * kHessGridStep;
        const ChartInk ink = i == 0 ? ChartInk::axis : ChartInk::grid;
        drawing.lines.push_back({frame.X(d), frame.Y(-kHessGridReach), frame.X(d), frame.Y(kHessGridReach), ink});
        drawing.lines.push_back({frame.X(-kHessGridReach), frame.Y(d), frame.X(kHessGridReach), frame.Y(d), ink});
    }
}

using Missing = std::array<bool, kHessTargetCount>;

// A ring of eight points joined in order and closed, as they are joined by
// hand; a missing point breaks the line on both sides.
void AddRing(const FieldFrame& frame, const ChartPoint* ring, const bool* missing, ChartInk ink, ChartDrawing& drawing)
{
    for (int i = 0; i < kHessRingSize; ++i) {
        const int next = (i + 1) % kHessRingSize;
        if (missing[i] || missing[next])
            continue;
        const ChartPoint& from = ring[i];
        const ChartPoint& to = ring[next];
        drawing.lines.push_back({frame.X(from.x), frame.Y(from.y), frame.X(to.x), frame.Y(to.y), ink});
    }
}

void AddPoints(const FieldFrame& frame, const std::array<ChartPoint, kHessTargetCount>& points, const Missing& missing,
               ChartInk ink, ChartDrawing& drawing)
{
    AddRing(frame, &points[1], &missing[1], ink, drawing);
    AddRing(frame, &points[1 + kHessRingSize], &missing[1 + kHessRingSize], ink, drawing);
    const double radius = ink == ChartInk::plot ? kPlotRadius : kTargetRadius;
    for (int i = 0; i < kHessTargetCount; ++i) {
        if (missing[i])
            continue;
        const ChartPoint& point = points[i];
        drawing.dots.push_back({frame.X(point.x), frame.Y(point.y), radius, ink});
        const int right = Overflow(point.x);
        const int up = Overflow(point.y);
        if (right == 0 && up == 0)
            continue;
        const double step = kOutOfRangeStroke / std::hypot(right, up);
        drawing.lines.push_back(
            {frame.X(point.x), frame.Y(point.y), frame.X(point.x) + right * step, frame.Y(point.y) - up * step, ink});
    }
}

// A cross in the plot's ink over each target the fixing eye cannot reach.
void AddCrosses(const FieldFrame& frame, const Missing& missing, ChartDrawing& drawing)
{
    for (int i = 0; i < kHessTargetCount; ++i) {
        if (!missing[i])
            continue;
        const double x = frame.X(HessTargets()[i].x);
        const double y = frame.Y(HessTargets()[i].y);
        drawing.lines.push_back({x - kCrossArm, y - kCrossArm, x + kCrossArm, y + kCrossArm, ChartInk::plot});
        drawing.lines.push_back({x - kCrossArm, y + kCrossArm, x + kCrossArm, y - kCrossArm, ChartInk::plot});
    }
}

std::string Direction(double degrees, const std::string& positive, const std::string& negative,
                      const HessCaptions& captions)
{
    // What prints as 0.0 has no direction worth naming.
    if (std::abs(degrees) < 0.05)
        return WithDecimalMark("0.0", captions.decimalMark) + "\xC2\xB0";
    if (!(std::abs(degrees) < kMeasurableDegrees))
        return (degrees > 0 ? positive : negative) + " " + captions.beyondMeasurement;
    char amount[48];
    std::snprintf(amount, sizeof amount, "%.1f\xC2\xB0 (%.1f ", std::abs(degrees), std::abs(PrismDioptres(degrees)));
    return WithDecimalMark(amount, captions.decimalMark) + captions.prismDioptres + ") " +
           (degrees > 0 ? positive : negative);
}

}  // namespace

std::string PrimaryDeviationText(const PlottedDeviation& deviation, const HessCaptions& captions)
{
    return captions.primary + " " + Direction(deviation.inward, captions.eso, captions.exo, captions) + ", " +
           Direction(deviation.upward, captions.hyperWord, captions.hypo, captions);
}

ChartDrawing LayOutHessChart(const HessField& leftField, const HessField& rightField, const HessCaptions& captions)
{
    ChartDrawing drawing;
    drawing.texts.push_back({kHessPageWidth / 2, 14.0, captions.title, TextPlace::centre, true});
    const HessField* fields[2] = {&leftField, &rightField};
    const std::string* names[2] = {&captions.leftField, &captions.rightField};
    for (int side = 0; side < 2; ++side) {
        const FieldFrame frame{kFieldLefts[side] + kFieldSide / 2, kFieldTop + kFieldSide / 2};
        AddGrid(frame, drawing);
        const Missing& missing = fields[side]->cannotFixate;
        AddPoints(frame, HessTargets(), Missing{}, ChartInk::target, drawing);
        AddPoints(frame, fields[side]->plotted, missing, ChartInk::plot, drawing);
        AddCrosses(frame, missing, drawing);
        drawing.texts.push_back({frame.centreX, kFieldTop - 4.0, *names[side], TextPlace::centre, true});
        const std::string primary = missing[0] ? captions.primary + " " + captions.cannotFixate
                                               : PrimaryDeviationText(fields[side]->primary, captions);
        drawing.texts.push_back({kFieldLefts[side], kFieldTop + kFieldSide + 9.0, primary, TextPlace::left, false});
        if (std::find(missing.begin(), missing.end(), true) != missing.end())
            drawing.texts.push_back({kFieldLefts[side], kFieldTop + kFieldSide + 15.0,
                                     "\xC3\x97 " + captions.cannotFixate, TextPlace::left, false});
    }
    drawing.texts.push_back(
        {kHessPageWidth / 2, kHessPageHeight - 14.0, captions.convention, TextPlace::centre, false});
    return drawing;
}
