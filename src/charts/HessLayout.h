#pragma once

#include "charts/HessChart.h"

#include <string>
#include <vector>

// The Hess chart as plain geometry for any drawing back end, on an A4 page
// in landscape, in millimetres from its top left corner. Each field is drawn
// as the patient sees it: the left eye's field on the left of the page.

inline constexpr double kHessPageWidth = 297.0;
inline constexpr double kHessPageHeight = 210.0;
// The grid's reach from the centre; plots beyond it are held at its edge,
// each with a short stroke of its ink pointing the way it went on.
inline constexpr double kHessGridReach = 45.0;
inline constexpr double kHessGridStep = 5.0;

enum class ChartInk {
    grid,    // the 5-degree lines
    axis,    // the two lines through the centre
    target,  // the printed squares and their points
    plot,    // what the plotted eye reached, joined as by hand
};

struct ChartLine {
    double x1, y1, x2, y2;
    ChartInk ink;
};

struct ChartDot {
    double x, y, radius;
    ChartInk ink;
};

enum class TextPlace { left, centre };

struct ChartText {
    double x, y;       // the baseline's left end or middle
    std::string text;  // UTF-8
    TextPlace place;
    bool heading;
};

struct ChartDrawing {
    std::vector<ChartLine> lines;
    std::vector<ChartDot> dots;
    std::vector<ChartText> texts;
};

// Captions in the user's language, UTF-8.
struct HessCaptions {
    std::string title;      // case name and date
    std::string leftField;  // "Left eye (right eye fixing)"
    std::string rightField;
    // The plotted eye's deviation at the centre ("hyper" names a macro in
    // Windows headers).
    std::string eso, exo, hyperWord, hypo;
    std::string primary;            // label before the primary-position deviation
    std::string prismDioptres;      // their unit's short name
    std::string beyondMeasurement;  // after the direction, for 90 degrees or more
    std::string convention;         // how the page is to be read
    std::string decimalMark = ".";
    std::string cannotFixate;  // where the fixing eye cannot reach a target
};

// "Primary position: 5.0° (8.7 PD) eso, 2.0° (3.5 PD) hypo"; a direction
// that rounds to zero is written as 0.0° alone, one of 90° or more (which
// has no prism value) as "exo beyond measurement".
std::string PrimaryDeviationText(const PlottedDeviation& deviation, const HessCaptions& captions);

// leftField is the left eye's field, rightField the right eye's. A target
// the fixing eye cannot reach gets a cross instead of a plot, and the field
// a line saying what the cross means.
ChartDrawing LayOutHessChart(const HessField& leftField, const HessField& rightField, const HessCaptions& captions);
