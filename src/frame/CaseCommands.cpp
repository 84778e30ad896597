// New, Open, Save and Save as of case files, and the prompt that protects
// unsaved changes.
#include "widgets/AngleSpinButton.h"
#include "widgets/FileChooser.h"
#include "widgets/Ids.h"
#include "frame/PatientFrame.h"
#include "widgets/ScreenText.h"
#include "lang/LanguageTable.h"
#include "lang/Latin1.h"
#include "lang/TextIds.h"
#include "lang/LanguageText.h"
#include "model/CaseFile.h"
#include "playback/PlaybackTimer.h"
#include "settings/FileIo.h"
#include "view/EyesCanvas.h"
#include "frame/OverlayTimer.h"
#include "settings/ToolkitPath.h"

#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/slider.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

namespace {

const wxString kCaseExtension = ".sd";
// Smaller than this, an existing file cannot be a case of any version.
constexpr wxFileOffset kSmallestCaseFile = 73;
// Anything much larger is not a case file; it is not read into memory.
constexpr std::size_t kLargestCaseFileRead = 4096;

}  // namespace

bool PatientFrame::ConfirmDiscard()
{
    // Leaving playback mode leaves the recording: its edits are asked about first.
    if (IsPlaybackMode() && !m_playbackTimer->ConfirmDiscardRecording())
        return false;
    if (!m_examination.Modified())
        return true;
    switch (AskToSaveChanges(this, *m_languageTable, CasePath())) {
    case wxYES:
        return SaveCase();
    case wxNO:
        return true;
    default:
        return false;
    }
}

bool PatientFrame::LeavePlaybackMode()
{
    StopPlayback();
    if (!IsPlaybackMode())
        return true;
    if (!m_playbackTimer->ConfirmDiscardRecording())
        return false;
    SetPlaybackMode(false);
    return true;
}

bool PatientFrame::ReadCaseFile(const wxString& path)
{
    StopPlayback();
    std::vector<std::uint8_t> bytes;
    std::string error;
    CaseData data;
    if (!wxFileExists(path) || !ReadFileBytes(ToPath(path), kLargestCaseFileRead, bytes, error) ||
        DecodeCase(bytes, data) != CaseReadResult::ok)
        return false;
    // A user who keeps an edited recording keeps it on screen; that is a
    // choice, not a failure to report.
    if (!LeavePlaybackMode())
        return true;

    m_examination.SetModel(data.values);
    m_examination.SetQuadrantMarks(data.quadrantMarks);
    ReadMuscleFile(path);
    GetMenuBar()->Check(Id::ModeManifest, data.manifestMode);
    GetMenuBar()->Check(Id::ModeLatent, !data.manifestMode);
    NoteSwitches();
    if (!GetToolBar()->GetToolState(Id::QuizTool))
        m_statusBar->SetStatusText(Text(data.manifestMode ? Text::ManifestModeStatus : Text::LatentModeStatus), 3);
    UpdateTitle(path);
    UpdateSpinsFromModel();
    UpdateGazeSlidersFromModel();
    UpdateTextsFromSpins();
    ResetView();
    // A new patient is examined without the last one's prisms.
    SetPrisms({});
    m_canvas->Refresh();
    return true;
}

bool PatientFrame::WriteCaseFile(const wxString& path)
{
    if (wxFileExists(path) && wxFileName::GetSize(path) < kSmallestCaseFile &&
        ShowMessage(Text(Text::OverwriteShortFile), Text(Text::OverwriteShortFileCaption),
                    wxYES_NO | wxICON_WARNING | wxCENTRE, this) != wxYES)
        return false;

    CaseData data;
    data.values = m_examination.Model();
    data.manifestMode = !m_examination.Latent();
    data.quadrantMarks = m_examination.QuadrantMarks();
    const auto bytes = EncodeCase(data);
    std::string error;
    if (!WriteFileAtomically(ToPath(path), bytes.data(), bytes.size(), error)) {
        ReportSaveFailure(path, error);
        return false;
    }
    if (!WriteMuscleFile(path))
        return false;

    m_examination.SetModified(false);
    UpdateTitle(path);
    ShowStatusNote(Text(Text::CaseSavedStatus), true);
    return true;
}

void PatientFrame::ReportSaveFailure(const wxString& path, const std::string& reason)
{
    const wxString summary = FormatLanguageString(m_languageTable->Get(Text::SaveFailedFormat), FitPath(path),
                                                  "Could not save " + FitPath(path) + ".");
    ShowMessage(summary + "\n\n" + wxString::FromUTF8(reason), wxMessageBoxCaptionStr, wxOK | wxICON_ERROR | wxCENTRE,
                this);
}

bool PatientFrame::SaveCaseAs()
{
    StopPlayback();
    const wxString wildcard = FromLatin1(m_languageTable->Get(Text::CaseFileWildcard));
    wxString path = ChooseFile(this, Text(Text::SaveCasePrompt), wildcard, wxFD_SAVE,
                               SuggestedFileName(CasePath(), "", kCaseExtension));
    if (path.empty())
        return false;
    path = WithExtension(path, kCaseExtension);
    if (wxFileExists(path) && !ConfirmReplace(this, *m_languageTable, path))
        return false;
    return WriteCaseFile(path);
}

bool PatientFrame::SaveCase()
{
    StopPlayback();
    return CasePath().empty() ? SaveCaseAs() : WriteCaseFile(CasePath());
}

void PatientFrame::OpenCase(const wxString& givenPath)
{
    StopPlayback();
    if (!ConfirmDiscard())
        return;
    m_examination.SetModified(false);
    wxString path = givenPath;
    if (path.empty()) {
        const wxString wildcard = FromLatin1(m_languageTable->Get(Text::CaseFileWildcard));
        path = ChooseFile(this, Text(Text::OpenCasePrompt), wildcard, wxFD_OPEN);
        if (path.empty())
            return;
        path = WithExtension(path, kCaseExtension);
    }
    if (!ReadCaseFile(path))
        ShowMessage(FormatLanguageString(m_languageTable->Get(Text::FileOpenErrorFormat), FitPath(path),
                                         "Could not open " + FitPath(path) + "."),
                    wxMessageBoxCaptionStr, wxOK | wxCENTRE, this);
}

bool PatientFrame::NewCase(wxCommandEvent& event)
{
    StopPlayback();
    if (!ConfirmDiscard())
        return false;
    for (wxSlider* slider : m_gazeSliders)
        slider->SetValue(0);
    m_examination.SetModel(EyeModel());
    m_examination.SetMuscles(MuscleStrengths());
    m_examination.SetCompensatoryHead(std::nullopt);
    m_examination.SetHead(HeadPosture());
    m_refusedMuscleFile.clear();
    if (event.GetId() != 0)
        SetDistance(kBlendSliderFar);
    UpdateSpinsFromModel();
    UpdateGazeSlidersFromModel();
    UpdateTextsFromSpins();
    ResetView();
    SetPrisms({});
    SetPlaybackMode(false);
    m_examination.SetModified(false);
    m_examination.SetPath({});
    m_examination.SetQuadrantMarks(0);
    UpdateTitle(wxEmptyString);
    m_statusBar->SetStatusText(wxEmptyString, 0);
    m_statusBar->SetStatusText(wxEmptyString, kHintStatusField);
    FitStatusFields();
    return true;
}

void PatientFrame::StartNewCase()
{
    wxCommandEvent newCase(wxEVT_MENU, Id::NewCase);
    NewCase(newCase);
}

void PatientFrame::ChooseAndOpenCase()
{
    OpenCase();
}

void PatientFrame::SaveCaseFile(bool askForName)
{
    if (askForName)
        SaveCaseAs();
    else
        SaveCase();
}
