#include "charts/ChartWindowBase.h"

#include "frame/FileChooser.h"
#include "frame/PatientFrame.h"

#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/panel.h>

#include <algorithm>

namespace {

constexpr int kMargin = 6;

}  // namespace

wxBEGIN_EVENT_TABLE(ChartWindowBase, wxFrame)
    EVT_SIZE(ChartWindowBase::OnSize)
    EVT_ACTIVATE(ChartWindowBase::OnActivate)
wxEND_EVENT_TABLE()

ChartWindowBase::ChartWindowBase(PatientFrame* frame, wxWindowID id, const wxString& title, const wxSize& size)
    : wxFrame(frame, id, title, wxDefaultPosition, size, wxDEFAULT_FRAME_STYLE | wxFRAME_FLOAT_ON_PARENT),
      m_frame(frame), m_row(new wxPanel(this)), m_page(new wxPanel(this)) {
    m_page->SetBackgroundStyle(wxBG_STYLE_PAINT);
}

void ChartWindowBase::SetRow(std::vector<wxWindow*> controls) {
    m_controls = std::move(controls);
    Place();
}

void ChartWindowBase::Place() {
    const wxSize client = GetClientSize();
    int x = kMargin;
    int rowHeight = 0;
    for (wxWindow* control : m_controls)
        rowHeight = std::max(rowHeight, control->GetBestSize().GetHeight());
    for (wxWindow* control : m_controls) {
        const wxSize best = control->GetBestSize();
        control->SetSize(x, kMargin + (rowHeight - best.GetHeight()) / 2, best.GetWidth(), best.GetHeight());
        x += best.GetWidth() + kMargin;
    }
    const int rowBottom = rowHeight + 2 * kMargin;
    m_row->SetSize(0, 0, client.GetWidth(), rowBottom);
    m_page->SetSize(0, rowBottom, client.GetWidth(), std::max(1, client.GetHeight() - rowBottom));
}

void ChartWindowBase::OnSize(wxSizeEvent& event) {
    Place();
    m_page->Refresh(false);
    event.Skip();
}

void ChartWindowBase::OnActivate(wxActivateEvent& event) {
    if (event.GetActive())
        Renew();
    event.Skip();
}

wxString ChartWindowBase::AskSavePath(const wxString& wildcard, const wxString& extension) {
    wxString path = ChooseFile(this, GetTitle(), wildcard, wxFD_SAVE);
    if (path.empty())
        return path;
    path = WithExtension(path, extension);
    if (wxFileExists(path) && !ConfirmReplace(this, path))
        return wxEmptyString;
    return path;
}
