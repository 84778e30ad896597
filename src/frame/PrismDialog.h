#pragma once

#include "model/Prism.h"

#include <wx/dialog.h>

#include <array>

class wxChoice;

// Examination -> Prisms -> Choose prisms: for each eye a power from the
// prism bar (or none) and a base. The dialog edits a copy; the caller takes
// Prisms() after OK.
class PrismDialog : public wxDialog {
public:
    struct Texts {
        wxString title;
        std::array<wxString, 2> eyes;
        wxString power;
        wxString base;
        wxString none;
        wxString unit;
        std::array<wxString, 4> bases;  // out, in, up, down
        wxString ok;
        wxString cancel;
    };

    PrismDialog(wxWindow* parent, const Texts& texts, const std::array<Prism, 2>& prisms);

    // The choices as prisms; also what tests set before they answer OK.
    std::array<Prism, 2> Prisms() const;
    void Choose(int eye, const Prism& prism);

private:
    std::array<wxChoice*, 2> m_powers{};
    std::array<wxChoice*, 2> m_bases{};
};
