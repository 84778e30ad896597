#pragma once

#include "charts/HessLayout.h"

#include <wx/colour.h>
#include <wx/image.h>
#include <wx/string.h>

#include <string>

class LanguageTable;

// The program around a chart window: its language, its case and the charts
// of the examination it holds now. A chart window knows nothing else of it.
class ChartHost {
public:
    // Language string n, converted for display.
    virtual wxString Text(int n) const = 0;
    virtual const LanguageTable& Language() const = 0;
    // The case's file, empty for a case never saved.
    virtual wxString CasePath() const = 0;
    // A file dialog must not open while a recording plays.
    virtual void StopPlayback() = 0;
    virtual void ReportSaveFailure(const wxString& path, const std::string& reason) = 0;

    virtual ChartDrawing HessDrawing() const = 0;
    // An invalid image while the view cannot draw.
    virtual wxImage NinePositionsPicture(int eccentricity) = 0;
    virtual wxColour ViewBackground() const = 0;

protected:
    ~ChartHost() = default;
};
