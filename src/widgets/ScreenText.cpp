#include "widgets/ScreenText.h"

#include "lang/TextFit.h"

#include <wx/dcscreen.h>
#include <wx/gdicmn.h>
#include <wx/msgdlg.h>
#include <wx/arrstr.h>
#include <wx/settings.h>

#include <algorithm>

namespace {

// The part of the screen a text may take, counted in the widest letter of
// the GUI font, so that a text within it fits whatever its letters.
TextBox ScreenBox(int widthPercent, int heightPercent)
{
    const wxSize screen = wxGetDisplaySize();
    wxScreenDC dc;
    dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    const wxSize letter = dc.GetTextExtent("W");
    const int columns = screen.x * widthPercent / 100 / std::max(1, letter.x);
    const int lines = screen.y * heightPercent / 100 / std::max(1, letter.y);
    return {static_cast<std::size_t>(std::max(8, columns)), static_cast<std::size_t>(std::max(1, lines))};
}

// Measured once: the language switch alone asks for some two hundred texts.
// Labels are cut by their measured width below; the box in columns only
// bounds the work for huge texts, at three pixels a letter.
TextBox LabelTextBox()
{
    static const TextBox box{static_cast<std::size_t>(std::max(8, wxGetDisplaySize().x / 3)), ScreenBox(50, 50).lines};
    return box;
}

// A label may take this part of the screen's width: menus, titles and the
// main window stay on the screen whatever the letters, and ordinary labels
// keep their whole text.
constexpr int kLabelWidthPercent = 45;

wxString CutLinesToWidth(const wxString& text, int maxWidth)
{
    wxScreenDC dc;
    dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    const wxString ellipsis = wxString::FromUTF8("\xE2\x80\xA6");
    wxArrayString lines = wxSplit(text, '\n', '\0');
    for (wxString& line : lines) {
        if (dc.GetTextExtent(line).GetWidth() <= maxWidth)
            continue;
        std::size_t fits = 0;
        std::size_t tooLong = line.length();
        while (fits + 1 < tooLong) {
            const std::size_t middle = (fits + tooLong) / 2;
            if (dc.GetTextExtent(line.Left(middle) + ellipsis).GetWidth() <= maxWidth)
                fits = middle;
            else
                tooLong = middle;
        }
        line = line.Left(fits) + ellipsis;
    }
    return wxJoin(lines, '\n', '\0');
}

TextBox MessageTextBox()
{
    static const TextBox box = ScreenBox(70, 50);
    return box;
}

}  // namespace

wxString FitLabel(const wxString& text)
{
    const wxString bounded(FitText(text.ToStdWstring(), LabelTextBox(), false));
    return CutLinesToWidth(bounded, wxGetDisplaySize().x * kLabelWidthPercent / 100);
}

wxString FitPath(const wxString& path)
{
    // Up to two lines of a message, which wraps it.
    return wxString(CutMiddle(path.ToStdWstring(), 2 * MessageTextBox().columns));
}

wxString FitMessage(const wxString& text)
{
    return wxString(FitText(text.ToStdWstring(), MessageTextBox(), true));
}

int ShowMessage(const wxString& message, const wxString& caption, long style, wxWindow* parent)
{
    return wxMessageBox(FitMessage(message), FitLabel(caption), style, parent);
}
