#include "charts/HessChartWindow.h"

#include "charts/ChartFiles.h"
#include "charts/ChartPainter.h"
#include "charts/ChartHost.h"
#include "widgets/FileChooser.h"
#include "widgets/Ids.h"
#include "widgets/ScreenText.h"
#include "lang/TextIds.h"
#include "lang/LanguageText.h"

#include <wx/button.h>
#include <wx/dcbuffer.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/print.h>

#include <cmath>

namespace {

// The page in tenths of a millimetre, for the printer's scaling.
const wxSize kPrintedPage(static_cast<int>(std::lround(kHessPageWidth * 10)),
                          static_cast<int>(std::lround(kHessPageHeight * 10)));

class HessPrintout : public wxPrintout {
public:
    HessPrintout(const wxString& title, const ChartDrawing& drawing) : wxPrintout(title), m_drawing(drawing) {}

    bool OnPrintPage(int page) override
    {
        wxDC* dc = GetDC();
        if (page != 1 || !dc)
            return false;
        FitThisSizeToPageMargins(kPrintedPage, PageSetup());
        PaintChart(*dc, m_drawing, wxRect(kPrintedPage));
        return true;
    }
    bool HasPage(int page) override { return page == 1; }
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override
    {
        *minPage = *maxPage = *pageFrom = *pageTo = 1;
    }

    static wxPageSetupDialogData& PageSetup()
    {
        static wxPageSetupDialogData setup = [] {
            wxPageSetupDialogData data;
            data.GetPrintData().SetOrientation(wxLANDSCAPE);
            data.GetPrintData().SetPaperId(wxPAPER_A4);
            data.SetMarginTopLeft(wxPoint(10, 10));
            data.SetMarginBottomRight(wxPoint(10, 10));
            return data;
        }();
        return setup;
    }

private:
    ChartDrawing m_drawing;
};

const wxString kSvgExtension = ".svg";
const wxString kPngExtension = ".png";
const wxString kPdfExtension = ".pdf";

}  // namespace

wxBEGIN_EVENT_TABLE(HessChartWindow, ChartWindowBase)
    EVT_BUTTON(Id::ChartExportSvg, HessChartWindow::OnExport)
    EVT_BUTTON(Id::ChartExportPng, HessChartWindow::OnExport)
    EVT_BUTTON(Id::ChartExportPdf, HessChartWindow::OnExport)
    EVT_BUTTON(Id::ChartPrint, HessChartWindow::OnPrint)
    EVT_BUTTON(Id::ChartPrintPreview, HessChartWindow::OnPrintPreview)
wxEND_EVENT_TABLE()

HessChartWindow::HessChartWindow(wxWindow* parent, ChartHost& host)
    : ChartWindowBase(parent, host, Id::HessChartWindow, Text::HessChartMenu, wxSize(900, 700))
{
    Page()->Bind(wxEVT_PAINT, &HessChartWindow::OnPaintPage, this);
    SetRow({{new wxButton(Row(), Id::ChartExportSvg), Text::ExportSvgButton},
            {new wxButton(Row(), Id::ChartExportPng), Text::ExportPngButton},
            {new wxButton(Row(), Id::ChartExportPdf), Text::ExportPdfButton},
            {new wxButton(Row(), Id::ChartPrint), Text::PrintButton},
            {new wxButton(Row(), Id::ChartPrintPreview), Text::PrintPreviewButton}});
}

void HessChartWindow::Redraw()
{
    m_drawing = m_host.HessDrawing();
    Page()->Refresh(false);
}

void HessChartWindow::OnPaintPage(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(Page());
    dc.SetBackground(*wxLIGHT_GREY_BRUSH);
    dc.Clear();
    PaintChart(dc, m_drawing, wxRect(Page()->GetClientSize()));
}

void HessChartWindow::ExportSvg(const wxString& path)
{
    std::string error;
    if (!WriteChartSvg(path, m_drawing, error))
        m_host.ReportSaveFailure(path, error);
}

void HessChartWindow::ExportPng(const wxString& path)
{
    std::string error;
    if (!WriteChartPng(path, m_drawing, error))
        m_host.ReportSaveFailure(path, error);
}

void HessChartWindow::ExportPdf(const wxString& path)
{
    std::string error;
    if (!WriteChartPdf(path, m_drawing, error))
        m_host.ReportSaveFailure(path, error);
}

void HessChartWindow::OnExport(wxCommandEvent& event)
{
    Renew();
    struct Kind {
        int wildcard;
        const wxString& extension;
        void (HessChartWindow::*write)(const wxString&);
    };
    const Kind kind =
        event.GetId() == Id::ChartExportSvg   ? Kind{Text::SvgWildcard, kSvgExtension, &HessChartWindow::ExportSvg}
        : event.GetId() == Id::ChartExportPdf ? Kind{Text::PdfWildcard, kPdfExtension, &HessChartWindow::ExportPdf}
                                              : Kind{Text::PictureWildcard, kPngExtension, &HessChartWindow::ExportPng};
    const wxString path = AskSavePath(LanguageText(m_host.Language(), kind.wildcard), "hess", kind.extension);
    if (!path.empty())
        (this->*kind.write)(path);
}

void HessChartWindow::OnPrint(wxCommandEvent&)
{
    Renew();
    wxPrintDialogData data(HessPrintout::PageSetup().GetPrintData());
    wxPrinter printer(&data);
    HessPrintout printout(GetTitle(), m_drawing);
    if (printer.Print(this, &printout, true))
        HessPrintout::PageSetup().GetPrintData() = printer.GetPrintDialogData().GetPrintData();
    else if (wxPrinter::GetLastError() == wxPRINTER_ERROR)
        ShowMessage(m_host.Text(Text::PrintFailed), wxMessageBoxCaptionStr, wxOK | wxICON_ERROR | wxCENTRE, this);
}

void HessChartWindow::OnPrintPreview(wxCommandEvent&)
{
    Renew();
    wxPrintDialogData data(HessPrintout::PageSetup().GetPrintData());
    auto* preview =
        new wxPrintPreview(new HessPrintout(GetTitle(), m_drawing), new HessPrintout(GetTitle(), m_drawing), &data);
    if (!preview->IsOk()) {
        delete preview;
        return;
    }
    auto* window = new wxPreviewFrame(preview, this, GetTitle(), wxDefaultPosition, wxSize(900, 700));
    window->Initialize();
    window->Show();
}
