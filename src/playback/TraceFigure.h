#pragma once

#include "playback/TraceLevels.h"
#include "playback/TraceWindow.h"

#include <array>
#include <vector>

struct TracePoint {
    int x;
    int y;
};

// A stretch of one line drawn in one style. Neighbouring runs share their
// meeting point, so the line has no gaps.
struct TraceRun {
    bool interpolated;  // every row under these points was bridged by interpolation
    std::vector<TracePoint> points;
};

// One pixel column of a line where a column holds many rows: from top to
// bottom (inclusive) it covers the column's values and reaches the values of
// the column before, so the bars join up into a line.
struct TraceBar {
    int x;
    int top;
    int bottom;
    bool interpolated;  // every row of the column was bridged by interpolation
};

// Pixel columns begin .. end - 1 hold rows that are weak for either eye:
// only weak rows when whole, else some among good ones.
struct TraceSpan {
    int begin;
    int end;
    bool whole;
};

// The trace of the rows in view, in pixels of the plot (x from 0 at its left
// edge, y from 0 at its top). Each angle channel is one line: through every
// row while a pixel holds at most one row (lines), otherwise a bar from the
// minimum to the maximum of each pixel column (bars), so no peak is lost.
struct TraceFigure {
    std::array<std::vector<TraceRun>, kTraceAngleChannels> lines;
    std::array<std::vector<TraceBar>, kTraceAngleChannels> bars;
    std::vector<TraceSpan> weakSpans;
};

// The degrees at the plot's top and bottom edges (top > bottom); height in pixels.
struct TraceScale {
    double top;
    double bottom;
    int height;

    int YOf(double degrees) const;
};

// The figure for the window's rows; torsion lines only when withTorsion.
TraceFigure LayOutTrace(const TraceLevels& levels, const TraceRowReader& read, const TraceWindow& window,
                        const TraceScale& scale, bool withTorsion);

// A step of 1, 2 or 5 times a power of ten that divides span into at most
// maxSteps steps; span > 0.
double NiceStep(double span, int maxSteps);

// The value axis for a recording whose angle channels cover ranges: from a
// multiple of step below the lowest to one above the highest angle, at least
// -5 .. +5 degrees.
TraceScale ScaleFor(const TraceRanges& ranges, bool withTorsion, int height, int maxSteps, double& step);
