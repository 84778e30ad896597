// Presentation mode and pictures of the view, for teaching in front of a class.
#include "frame/PatientFrame.h"

#include "widgets/FileChooser.h"
#include "widgets/Ids.h"
#include "widgets/PictureFile.h"
#include "lang/TextIds.h"
#include "view/EyesCanvas.h"

#include <wx/choicdlg.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/image.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/toolbar.h>

namespace {

const wxString kPictureExtension = ".png";
constexpr int kPictureScales[] = {1, 2, 4};
// Longer than the pause between a held key's repeats, shorter than a glance.
constexpr int kValuesPeekMilliseconds = 600;

}  // namespace

bool PatientFrame::ControlsHiddenForPresentation() const
{
    return m_presentation && !m_valuesPeekTimer.IsRunning();
}

void PatientFrame::ApplyPresentationLayout()
{
    const bool hidden = ControlsHiddenForPresentation();
    const bool valuesHidden = GetToolBar()->GetToolState(Id::HideValuesTool);
    m_eyeBox1->Show(!hidden && !valuesHidden);
    m_eyeBox2->Show(!hidden && !valuesHidden);
    for (wxSlider* slider : m_gazeSliders)
        slider->Show(!hidden && !valuesHidden);
    for (wxWindow* window : {static_cast<wxWindow*>(m_blendSlider), static_cast<wxWindow*>(m_blendLabelTop),
                             static_cast<wxWindow*>(m_blendLabelBottom)})
        window->Show(!hidden);
    // FitControlsToTexts gives the canvas its frame of controls again, or the whole panel.
    FitControlsToTexts();
    m_canvas->SetFillWidth(hidden);
    m_mainPanel->Layout();
    m_canvas->Refresh(false);
}

void PatientFrame::SetPresentation(bool on)
{
    m_presentation = on;
    m_examination.SetPresentation(on);
    m_valuesPeekTimer.Stop();
    GetMenuBar()->Check(Id::Presentation, on);
    ShowFullScreen(on, wxFULLSCREEN_NOBORDER | wxFULLSCREEN_NOCAPTION);
    ApplyPresentationLayout();
    // The keys drive the examination from here on, not a value field.
    if (on)
        m_canvas->SetFocus();
}

void PatientFrame::PeekAtValues()
{
    // The quiz hides the values on purpose; a key must not give them away.
    if (!m_presentation || GetToolBar()->GetToolState(Id::HideValuesTool))
        return;
    const bool wasHidden = ControlsHiddenForPresentation();
    m_valuesPeekTimer.StartOnce(kValuesPeekMilliseconds);
    if (wasHidden)
        ApplyPresentationLayout();
}

void PatientFrame::OnValuesPeekTimer(wxTimerEvent&)
{
    ApplyPresentationLayout();
}

void PatientFrame::ExportPicture()
{
    StopPlayback();
    const wxSize view = m_canvas->GetClientSize();
    wxArrayString sizes;
    for (int scale : kPictureScales) {
        const wxString pixels = wxString::Format(L"%d \u00D7 %d", view.GetWidth() * scale, view.GetHeight() * scale);
        sizes.Add(scale == 1 ? Text(Text::PictureSizeView) + " (" + pixels + ")"
                             : wxString::Format(L"%d\u00D7 (%s)", scale, pixels));
    }
    const int choice = wxGetSingleChoiceIndex(Text(Text::PictureSizeQuestion),
                                              wxStripMenuCodes(Text(Text::ExportPictureMenu)), sizes, 0, this);
    if (choice < 0)
        return;
    wxString path = ChooseFile(this, wxStripMenuCodes(Text(Text::ExportPictureMenu)), Text(Text::PictureWildcard),
                               wxFD_SAVE, SuggestedFileName(CasePath(), "view", kPictureExtension));
    if (path.empty())
        return;
    path = WithExtension(path, kPictureExtension);
    if (wxFileExists(path) && !ConfirmReplace(this, *m_languageTable, path))
        return;
    std::string error;
    if (!WritePicturePng(path, m_canvas->RenderPicture(kPictureScales[choice]), error))
        ReportSaveFailure(path, error);
}

void PatientFrame::CopyPicture()
{
    const wxImage picture = m_canvas->RenderPicture(1);
    if (!picture.IsOk() || !wxTheClipboard->Open())
        return;
    wxTheClipboard->SetData(new wxBitmapDataObject(wxBitmap(picture)));
    wxTheClipboard->Close();
}
