#include "frame/ScreenText.h"

#include "lang/TextFit.h"

#include <wx/dcscreen.h>
#include <wx/gdicmn.h>
#include <wx/msgdlg.h>
#include <wx/settings.h>

#include <algorithm>

namespace {

// The part of the screen a text may take, counted in the widest letter of
// the GUI font, so that a text within it fits whatever its letters.
TextBox ScreenBox(int widthPercent, int heightPercent) {
    const wxSize screen = wxGetDisplaySize();
    wxScreenDC dc;
    dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    const wxSize letter = dc.GetTextExtent("W");
    const int columns = screen.x * widthPercent / 100 / std::max(1, letter.x);
    const int lines = screen.y * heightPercent / 100 / std::max(1, letter.y);
    return {static_cast<std::size_t>(std::max(8, columns)), static_cast<std::size_t>(std::max(1, lines))};
}

// Measured once: the language switch alone asks for some two hundred texts.
TextBox LabelTextBox() {
    static const TextBox box = ScreenBox(50, 50);
    return box;
}

TextBox MessageTextBox() {
    static const TextBox box = ScreenBox(70, 50);
    return box;
}

}  // namespace

wxString FitLabel(const wxString& text) {
    return wxString(FitText(text.ToStdWstring(), LabelTextBox(), false));
}

wxString FitPath(const wxString& path) {
    // Up to two lines of a message, which wraps it.
    return wxString(CutMiddle(path.ToStdWstring(), 2 * MessageTextBox().columns));
}

wxString FitMessage(const wxString& text) {
    return wxString(FitText(text.ToStdWstring(), MessageTextBox(), true));
}

int ShowMessage(const wxString& message, const wxString& caption, long style, wxWindow* parent) {
    return wxMessageBox(FitMessage(message), FitLabel(caption), style, parent);
}
