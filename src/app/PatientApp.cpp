#include "app/PatientApp.h"

#include "about/AboutDescription.h"
#include "app/CompactControls.h"
#include "frame/PatientFrame.h"
#include "widgets/PictureFile.h"
#include "resources/Resources.h"
#include "settings/FileIo.h"

#include <wx/log.h>

std::vector<wxString> PatientApp::s_filesToOpen;

void PatientApp::SetFilesToOpen(std::vector<wxString> files)
{
    s_filesToOpen = std::move(files);
}

PatientFrame* PatientApp::MainWindow()
{
    return wxTheApp ? wxDynamicCast(wxTheApp->GetTopWindow(), PatientFrame) : nullptr;
}

PatientFrame* PatientApp::BuildMainWindow()
{
    IgnoreFileSizeSignal();
    RegisterImageHandlers();
    InstallCompactControlStyle();
    LoadAboutDialogDescription();
    auto* frame = new PatientFrame(nullptr);
    if (frame->LanguageFileName().empty()) {
        // The constructor has already said that no language file was found.
        delete frame;
        return nullptr;
    }
    frame->SetAutoLayout(true);
    frame->SetIcons(GetAppIcons());
    frame->BuildUI();
    if (frame->LanguageFileName().empty()) {
        // Every language file went away between the constructor and the settings.
        delete frame;
        return nullptr;
    }
    frame->BuildToolBar(frame->GetToolBar());
    return frame;
}

bool PatientApp::OnInit()
{
    // The toolkit's debugging notes, such as a constrained panel laid out by
    // its own Layout, are no business of the user at the terminal.
    wxLog::SetLogLevel(wxLOG_Info);
    PatientFrame* frame = BuildMainWindow();
    if (!frame)
        return false;
    frame->Show(true);
    SetTopWindow(frame);
    // Opened from the main loop, so their questions and messages come with
    // the window already on screen.
    if (!s_filesToOpen.empty())
        CallAfter([frame, files = std::move(s_filesToOpen)] { frame->OpenFromCommandLine(files); });
    s_filesToOpen.clear();
    return true;
}
