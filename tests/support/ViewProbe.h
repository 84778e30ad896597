#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class EyesCanvas;

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
};

inline bool Same(Rgb a, Rgb b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

struct PixelPoint {
    double x = 0;  // from the viewport's left
    double y = 0;  // from the viewport's bottom, as GL counts
};

// The view's back buffer as read after a render call.
class ViewImage {
public:
    // Renders the canvas and reads its viewport back.
    static ViewImage Capture(EyesCanvas& canvas);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    Rgb At(int x, int y) const;
    Rgb At(PixelPoint p) const;

    // Centroid of the pixels within `radius` of `centre` that match.
    template <typename Match>
    std::optional<PixelPoint> Centroid(PixelPoint centre, double radius, Match match) const
    {
        double sx = 0, sy = 0;
        int n = 0;
        ForEachWithin(centre, radius, [&](int x, int y, Rgb c) {
            if (match(c)) {
                sx += x;
                sy += y;
                ++n;
            }
        });
        if (n == 0)
            return std::nullopt;
        return PixelPoint{sx / n, sy / n};
    }

    template <typename Visit>
    void ForEachWithin(PixelPoint centre, double radius, Visit visit) const
    {
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x) {
                const double dx = x - centre.x, dy = y - centre.y;
                if (dx * dx + dy * dy <= radius * radius)
                    visit(x, y, At(x, y));
            }
    }

    // Writes the picture, top row first, as a PNG.
    bool SavePng(const std::string& path) const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint8_t> m_rgb;  // bottom row first
};

// Where a point given in head coordinates (eye 1 centred at x = -0.5) lands
// in the last rendered frame, with the view rotation at rest.
PixelPoint ProjectHeadPoint(int distance, double x, double y, double z = 0);

// Pixels per unit of head coordinates at the head's depth.
double PixelsPerUnit(int distance);

// Angle in degrees by which a nearly vertical line of matching pixels leans:
// x = a + b·y fitted through the rows' centroids within `halfWidth` of
// `centre`, skipping rows nearer than `skip` to it.
template <typename Match>
std::optional<double> VerticalLineLean(const ViewImage& image, PixelPoint centre, int halfLength, int halfWidth,
                                       int skip, Match match);

double LineLeanFromRows(const std::vector<PixelPoint>& rowCentroids);

template <typename Match>
std::optional<double> VerticalLineLean(const ViewImage& image, PixelPoint centre, int halfLength, int halfWidth,
                                       int skip, Match match)
{
    std::vector<PixelPoint> rows;
    const int cy = static_cast<int>(centre.y + 0.5);
    const int cx = static_cast<int>(centre.x + 0.5);
    for (int y = cy - halfLength; y <= cy + halfLength; ++y) {
        if (y < 0 || y >= image.Height() || std::abs(y - cy) < skip)
            continue;
        double sx = 0;
        int n = 0;
        for (int x = cx - halfWidth; x <= cx + halfWidth; ++x)
            if (x >= 0 && x < image.Width() && match(image.At(x, y))) {
                sx += x;
                ++n;
            }
        if (n > 0)
            rows.push_back({sx / n, static_cast<double>(y)});
    }
    if (rows.size() < 10)
        return std::nullopt;
    return LineLeanFromRows(rows);
}
