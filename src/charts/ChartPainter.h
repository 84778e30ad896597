#pragma once

#include "charts/HessLayout.h"

#include <wx/gdicmn.h>

class wxDC;

// Draws a chart page with the toolkit's vector drawing, scaled to fit area
// and centred in it, on white. The same calls serve the window, the SVG and
// PNG files and the printer.
void PaintChart(wxDC& dc, const ChartDrawing& drawing, const wxRect& area);
