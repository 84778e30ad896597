#pragma once

#include <wx/image.h>

class PatientFrame;

// The nine positions, each drawn by the main view with its gaze held on the
// position; the view's own gaze is given back afterwards. An invalid image
// while the view cannot draw (no GL yet).
wxImage RenderNinePositions(PatientFrame& frame, int eccentricity);
