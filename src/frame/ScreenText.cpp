#include "frame/ScreenText.h"

#include "lang/TextFit.h"

#include <wx/dcscreen.h>
#include <wx/gdicmn.h>
#include <wx/msgdlg.h>
#include <wx/settings.h>

#include <algorithm>

namespace {

// Room left for borders, icons and buttons around a text.
TextBox ScreenBox(int widthPercent, int heightPercent) {
    const wxSize screen = wxGetDisplaySize();
    wxScreenDC dc;
    dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    const wxSize letter = dc.GetTextExtent("W");
    const int columns = screen.x * widthPercent / 100 / std::max(1, letter.x);
    const int lines = screen.y * heightPercent / 100 / std::max(1, letter.y);
    return {static_cast<std::size_t>(std::max(8, columns)), static_cast<std::size_t>(std::max(1, lines))};
}

}  // namespace

wxString FitLabel(const wxString& text) {
    return wxString(FitText(text.ToStdWstring(), ScreenBox(50, 50), false));
}

wxString FitPath(const wxString& path) {
    return wxString(CutMiddle(path.ToStdWstring(), ScreenBox(50, 50).columns));
}

wxString FitMessage(const wxString& text) {
    return wxString(FitText(text.ToStdWstring(), ScreenBox(70, 50), true));
}

int ShowMessage(const wxString& message, const wxString& caption, long style, wxWindow* parent) {
    return wxMessageBox(FitMessage(message), FitLabel(caption), style, parent);
}
