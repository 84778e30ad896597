// Options -> Muscles and the muscle strengths' file beside each case.
#include "widgets/FileChooser.h"
#include "frame/MusclesDialog.h"
#include "frame/PatientFrame.h"
#include "widgets/ScreenText.h"
#include "lang/LanguageTable.h"
#include "lang/TextIds.h"
#include "lang/LanguageText.h"
#include "model/MuscleFile.h"
#include "settings/SameFile.h"
#include "view/EyesCanvas.h"
#include "settings/ToolkitPath.h"

#include <wx/msgdlg.h>

namespace {

constexpr int kMuscleNames[kMuscleCount] = {
    Text::LateralRectus,  Text::MedialRectus,    Text::SuperiorRectus,
    Text::InferiorRectus, Text::SuperiorOblique, Text::InferiorOblique,
};

constexpr int kPresetNames[kMusclePresetCount] = {
    Text::SixthNervePalsy, Text::FourthNervePalsy, Text::ThirdNervePalsy, Text::BrownSyndrome, Text::DuaneSyndrome,
};

constexpr int kPresetEyes[kEyeCount] = {
    Text::PresetRightEye,
    Text::PresetLeftEye,
};

int ReasonText(MuscleFileError error)
{
    switch (error) {
    case MuscleFileError::noHeader:
        return Text::MuscleFileNoHeader;
    case MuscleFileError::badLine:
        return Text::MuscleFileBadLine;
    case MuscleFileError::unknownKey:
        return Text::MuscleFileUnknownKey;
    case MuscleFileError::repeatedKey:
        return Text::MuscleFileRepeatedKey;
    case MuscleFileError::badValue:
        return Text::MuscleFileBadValue;
    case MuscleFileError::badHeadAngle:
        return Text::BadHeadAngle;
    case MuscleFileError::unreadable:
    case MuscleFileError::none:
        break;
    }
    return Text::MuscleFileUnreadable;
}

MusclesDialog::Texts DialogTexts(const PatientFrame& frame)
{
    MusclesDialog::Texts texts;
    texts.title = LanguageText(frame.Language(), Text::MusclesTitle);
    texts.eyes = {frame.Text(Text::EyeGroup1), frame.Text(Text::EyeGroup2)};
    for (int m = 0; m < kMuscleCount; ++m)
        texts.muscles[m] = LanguageText(frame.Language(), kMuscleNames[m]);
    texts.levator = LanguageText(frame.Language(), Text::LevatorMuscle);
    texts.presetLabel = LanguageText(frame.Language(), Text::MusclePresetLabel);
    for (int p = 0; p < kMusclePresetCount; ++p)
        for (int eye = 0; eye < kEyeCount; ++eye)
            texts.presets[p * kEyeCount + eye] = LanguageText(frame.Language(), kPresetNames[p]) + ", " +
                                                 LanguageText(frame.Language(), kPresetEyes[eye]);
    texts.apply = frame.Text(Text::ApplyButton);
    texts.reset = LanguageText(frame.Language(), Text::MusclesReset);
    texts.ok = frame.Text(Text::OkButton);
    texts.cancel = frame.Text(Text::CancelButton);
    return texts;
}

}  // namespace

void PatientFrame::ShowMuscles()
{
    if (IsPlaybackMode())
        return;
    MusclesDialog dialog(this, DialogTexts(*this), m_examination.CaseMuscles());
    if (dialog.ShowModal() == wxID_OK && dialog.Strengths() != m_examination.CaseMuscles())
        SetMuscles(dialog.Strengths());
}

void PatientFrame::SetMuscles(const MuscleStrengths& strengths)
{
    m_examination.SetMuscles(strengths);
    m_examination.SetModified(true);
    UpdateTitle(CasePath());
    m_canvas->Refresh(false);
}

void PatientFrame::ShowCannotFixate(bool cannot)
{
    const wxString text = cannot ? Text(Text::CannotFixate) : wxString();
    if (m_statusBar->GetStatusText(kFixationStatusField) != text) {
        m_statusBar->SetStatusText(text, kFixationStatusField);
        FitStatusFields();
    }
}

void PatientFrame::ReadMuscleFile(const wxString& casePath)
{
    MuscleStrengths strengths;
    CompensatoryHead head;
    const MuscleFileResult result = LoadMuscleFile(ToPath(casePath), strengths, head);
    m_refusedMuscleFile.clear();
    // A refused file leaves the case with normal muscles and no head posture; it opens all the same.
    const bool read = result.error == MuscleFileError::none;
    m_examination.SetMuscles(read ? strengths : MuscleStrengths());
    m_examination.SetCompensatoryHead(read ? head : std::nullopt);
    // Another patient comes in holding his head straight.
    m_examination.SetHead(HeadPosture());
    if (result.error == MuscleFileError::none)
        return;
    m_refusedMuscleFile = casePath;
    wxString message = FormatLanguageString(m_languageTable->Get(Text::MuscleFileRefusedFormat), FitPath(casePath),
                                            "Could not read the muscle strengths beside " + FitPath(casePath) + ".");
    message += "\n\n" + LanguageText(*m_languageTable, ReasonText(result.error));
    if (result.line > 0)
        message += wxString::Format(" (%s %d)", LanguageText(*m_languageTable, Text::MuscleFileLine), result.line);
    ShowMessage(message, wxMessageBoxCaptionStr, wxOK | wxICON_WARNING | wxCENTRE, this);
}

bool PatientFrame::WriteMuscleFile(const wxString& casePath)
{
    // By identity: under another spelling of its path the refused file is
    // still the one the user has to mend by hand.
    const bool refusedFile = !m_refusedMuscleFile.empty() &&
                             IsSameFile(MuscleFilePath(ToPath(casePath)), MuscleFilePath(ToPath(m_refusedMuscleFile)));
    const MuscleStrengths& strengths = m_examination.CaseMuscles();
    const CompensatoryHead& head = m_examination.CompensatoryHeadPosture();
    if (strengths.NothingWeak() && !head && refusedFile)
        return true;
    std::string error;
    if (!SaveMuscleFile(ToPath(casePath), strengths, head, error)) {
        ReportSaveFailure(ToWxString(MuscleFilePath(ToPath(casePath))), error);
        return false;
    }
    if (refusedFile)
        m_refusedMuscleFile.clear();
    return true;
}
