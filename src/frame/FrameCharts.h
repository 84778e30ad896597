#pragma once

#include "charts/HessLayout.h"

#include <wx/image.h>

class PatientFrame;

// The charts of what the main window shows now: its case, angles at the
// current distance, presentation mode, muscle strengths, aids and language.

ChartDrawing HessDrawingOf(const PatientFrame& frame);

// The nine positions, each drawn by the main view with its gaze held on the
// position; the view's own gaze is given back afterwards. An invalid image
// while the view cannot draw (no GL yet).
wxImage RenderNinePositions(PatientFrame& frame, int eccentricity);
