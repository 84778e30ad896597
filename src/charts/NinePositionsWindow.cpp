#include "charts/NinePositionsWindow.h"

#include "charts/ChartFiles.h"
#include "charts/ChartHost.h"
#include "charts/NinePositions.h"
#include "widgets/FileChooser.h"
#include "widgets/Ids.h"
#include "widgets/PictureFile.h"
#include "lang/TextIds.h"
#include "lang/LanguageText.h"
#include "view/EyesCanvas.h"

#include <wx/bitmap.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/dcbuffer.h>
#include <wx/panel.h>
#include <wx/stattext.h>

#include <algorithm>
#include <iterator>

namespace {

const wxString kPngExtension = ".png";
const wxString kPdfExtension = ".pdf";

}  // namespace

wxBEGIN_EVENT_TABLE(NinePositionsWindow, ChartWindowBase)
    EVT_CHOICE(Id::NineEccentricity, NinePositionsWindow::OnEccentricity)
    EVT_BUTTON(Id::ChartExportPng, NinePositionsWindow::OnExport)
    EVT_BUTTON(Id::ChartExportPdf, NinePositionsWindow::OnExport)
wxEND_EVENT_TABLE()

NinePositionsWindow::NinePositionsWindow(wxWindow* parent, ChartHost& host)
    : ChartWindowBase(parent, host, Id::NinePositionsWindow, Text::NinePositionsMenu, wxSize(820, 560)),
      m_eccentricity(new wxChoice(Row(), Id::NineEccentricity))
{
    for (int degrees : kNineEccentricities)
        m_eccentricity->Append(wxString::Format(L"%d\u00B0", degrees));
    SetEccentricity(kDefaultNineEccentricity);
    Page()->Bind(wxEVT_PAINT, &NinePositionsWindow::OnPaintPage, this);
    SetRow({{new wxStaticText(Row(), wxID_ANY, wxEmptyString), Text::EccentricityLabel},
            {m_eccentricity, 0},
            {new wxButton(Row(), Id::ChartExportPng), Text::ExportPngButton},
            {new wxButton(Row(), Id::ChartExportPdf), Text::ExportPdfButton}});
}

int NinePositionsWindow::Eccentricity() const
{
    const int chosen = m_eccentricity->GetSelection();
    return chosen >= 0 && chosen < static_cast<int>(std::size(kNineEccentricities)) ? kNineEccentricities[chosen]
                                                                                    : kDefaultNineEccentricity;
}

void NinePositionsWindow::SetEccentricity(int degrees)
{
    const auto found = std::find(std::begin(kNineEccentricities), std::end(kNineEccentricities), degrees);
    if (found != std::end(kNineEccentricities))
        m_eccentricity->SetSelection(static_cast<int>(found - std::begin(kNineEccentricities)));
}

void NinePositionsWindow::Redraw()
{
    m_picture = m_host.NinePositionsPicture(Eccentricity());
    Page()->Refresh(false);
}

void NinePositionsWindow::OnPaintPage(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(Page());
    dc.SetBackground(wxBrush(m_host.ViewBackground()));
    dc.Clear();
    if (!m_picture.IsOk())
        return;
    const wxSize area = Page()->GetClientSize();
    const double scale = std::min(1.0, std::min(static_cast<double>(area.GetWidth()) / m_picture.GetWidth(),
                                                static_cast<double>(area.GetHeight()) / m_picture.GetHeight()));
    const int width = std::max(1, static_cast<int>(m_picture.GetWidth() * scale));
    const int height = std::max(1, static_cast<int>(m_picture.GetHeight() * scale));
    const wxBitmap shown(m_picture.Scale(width, height, wxIMAGE_QUALITY_HIGH));
    dc.DrawBitmap(shown, (area.GetWidth() - width) / 2, (area.GetHeight() - height) / 2);
}

void NinePositionsWindow::OnEccentricity(wxCommandEvent&)
{
    Redraw();
}

void NinePositionsWindow::ExportPng(const wxString& path)
{
    std::string error;
    if (!WritePicturePng(path, m_picture, error))
        m_host.ReportSaveFailure(path, error);
}

void NinePositionsWindow::ExportPdf(const wxString& path)
{
    std::string error;
    if (!WritePicturePdf(path, m_picture, error))
        m_host.ReportSaveFailure(path, error);
}

void NinePositionsWindow::OnExport(wxCommandEvent& event)
{
    Renew();
    const bool pdf = event.GetId() == Id::ChartExportPdf;
    const wxString path = AskSavePath(LanguageText(m_host.Language(), pdf ? Text::PdfWildcard : Text::PictureWildcard),
                                      "nine-positions", pdf ? kPdfExtension : kPngExtension);
    if (path.empty())
        return;
    if (pdf)
        ExportPdf(path);
    else
        ExportPng(path);
}
