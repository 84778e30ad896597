#include "widgets/BareCheckBox.h"

BareCheckBox::BareCheckBox(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
    : wxCheckBox(parent, id, wxEmptyString, pos, size)
{
#ifdef __WXGTK3__
    GTKApplyCssStyle("checkbutton { padding: 2px 0 1px; }");
#endif
}
