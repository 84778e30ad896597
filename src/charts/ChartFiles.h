#pragma once

#include "charts/HessLayout.h"

#include <wx/string.h>

class wxImage;

#include <string>

// Chart files, each written through a temporary file that replaces the
// target only when complete: a failure leaves no file and says why in error.

// Hess chart page sizes: SVG in points of an A4 page, PNG at 150 dots per inch.
bool WriteChartSvg(const wxString& path, const ChartDrawing& drawing, std::string& error);
bool WriteChartPng(const wxString& path, const ChartDrawing& drawing, std::string& error);
// One A4 page in landscape, vector lines and text, for printing handouts;
// drawn by Cairo as --hess draws it.
bool WriteChartPdf(const wxString& path, const ChartDrawing& drawing, std::string& error);

// The nine positions' picture on one A4 page in landscape, for printing.
bool WritePicturePdf(const wxString& path, const wxImage& picture, std::string& error);
