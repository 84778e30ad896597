#include "playback/TraceFigure.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSmallestScale = 5.0;  // degrees either side of zero
// Beyond this the line leaves the plot anyway; it keeps pixel values in range.
constexpr double kPixelLimit = 100000.0;

bool IsTorsion(std::size_t channel)
{
    return channel == kEyeOneTorsion || channel == kEyeTwoTorsion;
}

std::size_t WeakChannelOf(std::size_t angleChannel)
{
    return angleChannel < kEyeTwoHorizontal ? kEyeOneWeak : kEyeTwoWeak;
}

void Append(std::vector<TraceRun>& runs, bool interpolated, TracePoint point)
{
    if (runs.empty() || runs.back().interpolated != interpolated) {
        TraceRun run{interpolated, {}};
        if (!runs.empty())
            run.points.push_back(runs.back().points.back());
        runs.push_back(std::move(run));
    }
    runs.back().points.push_back(point);
}

void AddWeakSpan(std::vector<TraceSpan>& spans, int begin, int end, bool whole)
{
    if (end <= begin)
        return;
    if (!spans.empty() && spans.back().end >= begin && spans.back().whole == whole)
        spans.back().end = std::max(spans.back().end, end);
    else
        spans.push_back({begin, end, whole});
}

void LayOutRows(TraceFigure& figure, const TraceRowReader& read, const TraceWindow& window, const TraceScale& scale,
                bool withTorsion)
{
    const std::size_t last = window.RowCount() - 1;
    const std::size_t first = std::max<std::size_t>(window.RowAt(0), 1) - 1;
    const std::size_t end = std::min(window.RowAt(window.Width()) + 1, last) + 1;
    const double perPixel = window.RowsPerPixel();
    TraceRow values;
    for (std::size_t row = first; row < end; ++row) {
        read(row, values);
        const int x = static_cast<int>(std::lround(window.XOfRow(row)));
        for (std::size_t c = 0; c < kTraceAngleChannels; ++c)
            if (withTorsion || !IsTorsion(c))
                Append(figure.lines[c], values[WeakChannelOf(c)] > 0.0f, {x, scale.YOf(values[c])});
        if (values[kEyeOneWeak] > 0.0f || values[kEyeTwoWeak] > 0.0f) {
            const double left = (static_cast<double>(row) - window.FirstRow()) / perPixel;
            const int begin = std::max(0, static_cast<int>(std::floor(left)));
            const int stop = std::min(window.Width(), static_cast<int>(std::ceil(left + 1.0 / perPixel)));
            AddWeakSpan(figure.weakSpans, begin, stop, true);
        }
    }
}

void LayOutColumns(TraceFigure& figure, const TraceLevels& levels, const TraceRowReader& read,
                   const TraceWindow& window, const TraceScale& scale, bool withTorsion)
{
    std::array<TraceBar, kTraceAngleChannels> before{};  // each channel's previous column, as measured
    for (int x = 0; x < window.Width(); ++x) {
        const std::size_t first = window.FirstRowOfColumn(x);
        const std::size_t end = window.FirstRowOfColumn(x + 1);
        if (first >= end)
            continue;
        const TraceRanges ranges = levels.RangeOf(first, end, read);
        for (std::size_t c = 0; c < kTraceAngleChannels; ++c) {
            if (!withTorsion && IsTorsion(c))
                continue;
            const TraceBar measured{x, scale.YOf(ranges[c].max), scale.YOf(ranges[c].min),
                                    ranges[WeakChannelOf(c)].min > 0.0f};
            TraceBar bar = measured;
            std::vector<TraceBar>& bars = figure.bars[c];
            if (!bars.empty() && before[c].x == x - 1) {
                // Reach the column before: a jump between columns stays drawn.
                bar.top = std::min(bar.top, before[c].bottom);
                bar.bottom = std::max(bar.bottom, before[c].top);
            }
            bars.push_back(bar);
            before[c] = measured;
        }
        if (ranges[kEyeOneWeak].max > 0.0f || ranges[kEyeTwoWeak].max > 0.0f)
            AddWeakSpan(figure.weakSpans, x, x + 1, ranges[kEyeOneWeak].min > 0.0f || ranges[kEyeTwoWeak].min > 0.0f);
    }
}

}  // namespace

int TraceScale::YOf(double degrees) const
{
    const double y = (top - degrees) / (top - bottom) * (height - 1);
    return static_cast<int>(std::lround(std::clamp(y, -kPixelLimit, kPixelLimit)));
}

TraceFigure LayOutTrace(const TraceLevels& levels, const TraceRowReader& read, const TraceWindow& window,
                        const TraceScale& scale, bool withTorsion)
{
    TraceFigure figure;
    if (levels.RowCount() == 0 || levels.RowCount() != window.RowCount())
        return figure;
    if (window.RowsPerPixel() > 1.0)
        LayOutColumns(figure, levels, read, window, scale, withTorsion);
    else
        LayOutRows(figure, read, window, scale, withTorsion);
    return figure;
}

double NiceStep(double span, int maxSteps)
{
    const double rough = span / std::max(maxSteps, 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= rough)
            return factor * power;
    return 10.0 * power;
}

TraceScale ScaleFor(const TraceRanges& ranges, bool withTorsion, int height, int maxSteps, double& step)
{
    double low = -kSmallestScale;
    double high = kSmallestScale;
    for (std::size_t c = 0; c < kTraceAngleChannels; ++c) {
        if ((withTorsion || !IsTorsion(c)) && ranges[c].min <= ranges[c].max) {
            low = std::min(low, static_cast<double>(ranges[c].min));
            high = std::max(high, static_cast<double>(ranges[c].max));
        }
    }
    step = NiceStep(high - low, maxSteps);
    return {std::ceil(high / step) * step, std::floor(low / step) * step, height};
}
