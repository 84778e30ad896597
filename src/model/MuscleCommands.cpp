// Options -> Muscles and the muscle strengths' file beside each case.
#include "frame/FileChooser.h"
#include "frame/MusclesDialog.h"
#include "frame/PatientFrame.h"
#include "lang/LanguageTable.h"
#include "lang/TextIds.h"
#include "model/MuscleFile.h"
#include "view/MyGLCanvas.h"

#include <wx/msgdlg.h>

namespace {

// Built-in texts for language files written before these strings existed.
struct OptionalText {
    int id;
    const char* german;
};

wxString Optional(const OptionalText& text) {
    return OptionalLanguageString(text.id, text.german);
}

constexpr OptionalText kMuscleNames[kMuscleCount] = {
    {Text::LateralRectus, "Rectus lateralis (LR)"},   {Text::MedialRectus, "Rectus medialis (MR)"},
    {Text::SuperiorRectus, "Rectus superior (SR)"},   {Text::InferiorRectus, "Rectus inferior (IR)"},
    {Text::SuperiorOblique, "Obliquus superior (SO)"}, {Text::InferiorOblique, "Obliquus inferior (IO)"},
};

constexpr OptionalText kPresetNames[kMusclePresetCount] = {
    {Text::SixthNervePalsy, "Abducensparese"},  {Text::FourthNervePalsy, "Trochlearisparese"},
    {Text::ThirdNervePalsy, "Okulomotoriusparese"}, {Text::BrownSyndrome, "Brown-Syndrom"},
    {Text::DuaneSyndrome, "Duane-Syndrom Typ 1"},
};

constexpr OptionalText kPresetEyes[kEyeCount] = {
    {Text::PresetRightEye, "rechtes Auge"},
    {Text::PresetLeftEye, "linkes Auge"},
};

OptionalText ReasonText(MuscleFileError error) {
    switch (error) {
    case MuscleFileError::noHeader:
        return {Text::MuscleFileNoHeader, "Die erste Zeile nennt das Format nicht."};
    case MuscleFileError::badLine:
        return {Text::MuscleFileBadLine, "Eine Zeile hat nicht die Form Schl\xFCssel=Wert."};
    case MuscleFileError::unknownKey:
        return {Text::MuscleFileUnknownKey, "Eine Zeile nennt keinen bekannten Muskel (right.LR bis left.IO)."};
    case MuscleFileError::repeatedKey:
        return {Text::MuscleFileRepeatedKey, "Ein Muskel ist doppelt genannt."};
    case MuscleFileError::badValue:
        return {Text::MuscleFileBadValue, "Eine Kraft ist keine ganze Zahl von 0 bis 100."};
    case MuscleFileError::unreadable:
    case MuscleFileError::none:
        break;
    }
    return {Text::MuscleFileUnreadable, "Die Datei ist zu gro\xDF oder keine gew\xF6hnliche Datei."};
}

MusclesDialog::Texts DialogTexts(const PatientFrame& frame) {
    MusclesDialog::Texts texts;
    texts.title = Optional({Text::MusclesTitle, "Muskelkr\xE4" "fte"});
    texts.eyes = {frame.Text(Text::EyeGroup1), frame.Text(Text::EyeGroup2)};
    for (int m = 0; m < kMuscleCount; ++m)
        texts.muscles[m] = Optional(kMuscleNames[m]);
    texts.presetLabel = Optional({Text::MusclePresetLabel, "Vorgabe:"});
    for (int p = 0; p < kMusclePresetCount; ++p)
        for (int eye = 0; eye < kEyeCount; ++eye)
            texts.presets[p * kEyeCount + eye] = Optional(kPresetNames[p]) + ", " + Optional(kPresetEyes[eye]);
    texts.apply = frame.Text(Text::ApplyButton);
    texts.reset = Optional({Text::MusclesReset, "Zur\xFC" "cksetzen"});
    texts.ok = frame.Text(Text::OkButton);
    texts.cancel = frame.Text(Text::CancelButton);
    return texts;
}

}  // namespace

void PatientFrame::OnMuscles(wxCommandEvent&) {
    StopPlayback();
    MusclesDialog dialog(this, DialogTexts(*this), m_muscles);
    if (dialog.ShowModal() == wxID_OK && dialog.Strengths() != m_muscles)
        SetMuscles(dialog.Strengths());
}

void PatientFrame::SetMuscles(const MuscleStrengths& strengths) {
    m_muscles = strengths;
    m_modified = true;
    UpdateTitle(m_caseFile);
    m_canvas->Refresh(false);
}

void PatientFrame::ReadMuscleFile(const wxString& casePath) {
    const MuscleFileResult result = LoadMuscleFile(std::string(casePath.fn_str()), m_muscles);
    m_refusedMuscleFile.clear();
    if (result.error == MuscleFileError::none)
        return;
    // The case opens all the same, with normal muscles.
    m_muscles.Reset();
    m_refusedMuscleFile = casePath;
    wxString message = FormatLanguageString(
        m_languageTable->GetOr(Text::MuscleFileRefusedFormat,
                               "Die Muskelkr\xE4" "fte neben %s konnten nicht gelesen werden. Der Fall \xF6" "ffnet "
                               "sich mit normaler Kraft aller Muskeln; die Datei bleibt unver\xE4" "ndert."),
        casePath, "Could not read the muscle strengths beside " + casePath + ".");
    message += "\n\n" + Optional(ReasonText(result.error));
    if (result.line > 0)
        message += wxString::Format(" (%s %d)", Optional({Text::MuscleFileLine, "Zeile"}), result.line);
    wxMessageBox(message, wxMessageBoxCaptionStr, wxOK | wxICON_WARNING | wxCENTRE, this);
}

bool PatientFrame::WriteMuscleFile(const wxString& casePath) {
    if (m_muscles.AllNormal() && casePath == m_refusedMuscleFile)
        return true;
    std::string error;
    if (!SaveMuscleFile(std::string(casePath.fn_str()), m_muscles, error)) {
        ReportSaveFailure(wxString::FromUTF8(MuscleFilePath(std::string(casePath.fn_str()))), error);
        return false;
    }
    if (casePath == m_refusedMuscleFile)
        m_refusedMuscleFile.clear();
    return true;
}
