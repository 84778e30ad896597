#include "charts/ChartWindowBase.h"

#include "widgets/FileChooser.h"
#include "charts/ChartHost.h"

#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/panel.h>
#include <wx/utils.h>

#include <algorithm>

namespace {

constexpr int kMargin = 6;

}  // namespace

wxBEGIN_EVENT_TABLE(ChartWindowBase, wxFrame)
    EVT_SIZE(ChartWindowBase::OnSize)
    EVT_ACTIVATE(ChartWindowBase::OnActivate)
wxEND_EVENT_TABLE()

ChartWindowBase::ChartWindowBase(wxWindow* parent, ChartHost& host, wxWindowID id, int titleText, const wxSize& size)
    : wxFrame(parent, id, wxStripMenuCodes(host.Text(titleText)), wxDefaultPosition, size,
              wxDEFAULT_FRAME_STYLE | wxFRAME_FLOAT_ON_PARENT),
      m_host(host), m_titleText(titleText), m_row(new wxPanel(this)), m_page(new wxPanel(this))
{
    m_page->SetBackgroundStyle(wxBG_STYLE_PAINT);
}

void ChartWindowBase::SetRow(std::vector<RowControl> controls)
{
    m_controls = std::move(controls);
    Relabel();
}

void ChartWindowBase::Renew()
{
    Relabel();
    Redraw();
}

void ChartWindowBase::Relabel()
{
    SetTitle(wxStripMenuCodes(m_host.Text(m_titleText)));
    for (const RowControl& entry : m_controls)
        if (entry.labelText != 0)
            entry.control->SetLabel(m_host.Text(entry.labelText));
    Place();
}

void ChartWindowBase::Place()
{
    const wxSize client = GetClientSize();
    int x = kMargin;
    int rowHeight = 0;
    for (const RowControl& entry : m_controls)
        rowHeight = std::max(rowHeight, entry.control->GetBestSize().GetHeight());
    for (const RowControl& entry : m_controls) {
        wxWindow* control = entry.control;
        const wxSize best = control->GetBestSize();
        control->SetSize(x, kMargin + (rowHeight - best.GetHeight()) / 2, best.GetWidth(), best.GetHeight());
        x += best.GetWidth() + kMargin;
    }
    const int rowBottom = rowHeight + 2 * kMargin;
    m_row->SetSize(0, 0, client.GetWidth(), rowBottom);
    m_page->SetSize(0, rowBottom, client.GetWidth(), std::max(1, client.GetHeight() - rowBottom));
}

void ChartWindowBase::OnSize(wxSizeEvent& event)
{
    Place();
    m_page->Refresh(false);
    event.Skip();
}

void ChartWindowBase::OnActivate(wxActivateEvent& event)
{
    if (event.GetActive())
        Renew();
    event.Skip();
}

wxString ChartWindowBase::AskSavePath(const wxString& wildcard, const wxString& kind, const wxString& extension)
{
    m_host.StopPlayback();
    wxString path =
        ChooseFile(this, GetTitle(), wildcard, wxFD_SAVE, SuggestedFileName(m_host.CasePath(), kind, extension));
    if (path.empty())
        return path;
    path = WithExtension(path, extension);
    if (wxFileExists(path) && !ConfirmReplace(this, m_host.Language(), path))
        return wxEmptyString;
    return path;
}
