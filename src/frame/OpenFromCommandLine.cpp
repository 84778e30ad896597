#include "frame/PatientFrame.h"

#include "cli/FileKinds.h"
#include "widgets/FileChooser.h"
#include "widgets/Ids.h"
#include "widgets/ScreenText.h"
#include "lang/LanguageTable.h"
#include "lang/TextIds.h"
#include "lang/LanguageText.h"
#include "quiz/QuizFrame.h"
#include "settings/ToolkitPath.h"

#include <wx/msgdlg.h>
#include <wx/toolbar.h>

namespace {

// Switches the quiz on as its tool does, unless it is on already, and loads
// the questions into the quiz window.
void OpenQuestionFile(PatientFrame& frame, const wxString& path)
{
    wxToolBar* tools = frame.GetToolBar();
    if (!tools->GetToolState(Id::QuizTool)) {
        tools->ToggleTool(Id::QuizTool, true);
        frame.ApplySwitch(Id::QuizTool);
    }
    // The user may have kept an edited case, which leaves the quiz off.
    if (tools->GetToolState(Id::QuizTool) && frame.QuizWindow())
        frame.QuizWindow()->LoadQuestionFile(path);
}

}  // namespace

void PatientFrame::OpenFromCommandLine(const std::vector<wxString>& paths)
{
    for (const wxString& path : paths) {
        switch (KindOfFile(ToPath(path))) {
        case FileKind::Case:
            OpenCase(path);
            break;
        case FileKind::Recording:
            OpenRecording(path);
            break;
        case FileKind::Quiz:
            OpenQuestionFile(*this, path);
            break;
        case FileKind::Unknown:
            ShowMessage(FormatLanguageString(m_languageTable->Get(Text::FileOpenErrorFormat), FitPath(path),
                                             "Could not open " + FitPath(path) + ".") +
                            "\n\nSquinx opens cases (.sd), recordings (.txt, .stx) and question files (.sqs).",
                        wxMessageBoxCaptionStr, wxOK | wxCENTRE, this);
            break;
        }
    }
}
