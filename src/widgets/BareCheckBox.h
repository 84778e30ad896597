#pragma once

#include <wx/checkbox.h>

// A check box without a label, in a box hardly taller than its check: the
// eye groups' 15-pixel fixing-eye boxes. GTK's theme pads a check button by
// two pixels above and below, which leaves the check a pixel less than its
// least size; GTK then squeezes it and warns on every start. Less padding
// below gives it its full size where it stood.
class BareCheckBox : public wxCheckBox {
public:
    BareCheckBox(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size);
};
