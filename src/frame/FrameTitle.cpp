#include "widgets/Ids.h"
#include "frame/PatientFrame.h"
#include "lang/Latin1.h"
#include "playback/PlaybackTimer.h"
#include "lang/TextIds.h"
#include "settings/WindowTitle.h"
#include "settings/ToolkitPath.h"

#include <wx/toolbar.h>

void PatientFrame::UpdateTitle(const wxString& name)
{
    if (IsPlaybackMode()) {
        const std::string title =
            ComposePlaybackTitle(ToLatin1(Text(Text::ProductTitle)), ToLatin1(m_playbackTimer->FileName()),
                                 m_playbackTimer->IsRecordingModified());
        m_examination.SetModified(false);
        SetTitle(FromLatin1(title));
        return;
    }
    wxToolBar* toolBar = GetToolBar();
    if (!name.empty()) {
        if (toolBar)
            toolBar->SetToolShortHelp(Id::SaveCase, Text(Text::SaveCaseAsMenu));
        m_examination.SetPath(ToPath(name));
    } else if (toolBar) {
        toolBar->SetToolShortHelp(Id::SaveCase, Text(Text::SaveCaseTip));
    }
    const std::string title =
        ComposeTitle(ToLatin1(Text(Text::ProductTitle)), ToLatin1(name), m_examination.Modified());
    SetTitle(FromLatin1(title));
}

wxString PatientFrame::CasePath() const
{
    return ToWxString(m_examination.Path());
}
