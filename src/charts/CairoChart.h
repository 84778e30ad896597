#pragma once

#include "charts/HessLayout.h"
#include "charts/NinePositions.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The Hess chart drawn without the toolkit, so it can be written where no
// display is: SVG and PDF as one A4 landscape page of vector drawing, PNG at
// 150 dots per inch.
enum class ChartFormat { svg, pdf, png };

// The format a file name asks for by its ending (.svg, .pdf or .png, in any
// case); none for any other name.
std::optional<ChartFormat> ChartFormatOf(const std::string& path);

// The whole file's bytes; false if the drawing library failed.
bool DrawChart(const ChartDrawing& drawing, ChartFormat format, std::vector<unsigned char>& bytes);

// Draws the chart in the format its name asks for and replaces the file
// whole, or leaves it untouched and says why in error (English).
bool WriteChartFile(const std::filesystem::path& path, const ChartDrawing& drawing, std::string& error);

// A picture (the nine positions) as a PNG file.
bool DrawPicturePng(const RgbPicture& picture, std::vector<unsigned char>& bytes);

// A picture (the nine positions) on one A4 landscape page of a PDF
// document, centred and as large as 10 mm margins let it be.
bool DrawPicturePdf(const RgbPicture& picture, std::vector<unsigned char>& bytes);
