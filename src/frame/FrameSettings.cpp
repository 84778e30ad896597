// Preferences kept between runs in the settings file of the start folder.
#include "widgets/Ids.h"
#include "frame/PatientFrame.h"
#include "lang/DesktopLanguage.h"
#include "lang/LanguageFiles.h"
#include "lang/Latin1.h"
#include "playback/PlaybackSpeed.h"
#include "playback/PlaybackTimer.h"
#include "playback/TracePanel.h"
#include "settings/SettingsFile.h"
#include "view/EyesCanvas.h"
#include "settings/ToolkitPath.h"

#include <wx/choice.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/slider.h>
#include <wx/toolbar.h>

#include <algorithm>

namespace {

Rgb ToRgb(const wxColour& colour)
{
    return {colour.Red(), colour.Green(), colour.Blue()};
}

wxColour ToColour(const Rgb& rgb)
{
    return wxColour(static_cast<unsigned char>(rgb.r), static_cast<unsigned char>(rgb.g),
                    static_cast<unsigned char>(rgb.b));
}

}  // namespace

Settings PatientFrame::CurrentSettings() const
{
    Settings settings;
    wxMenuBar* menus = GetMenuBar();
    settings.panelColour = ToRgb(m_panelColour);
    settings.textColour = ToRgb(m_textColour);
    settings.backgroundColour = ToRgb(m_canvas->m_backgroundColour);
    settings.wholeDegrees = menus->IsChecked(Id::WholeDegreesItem);
    settings.flashlightMode = menus->IsChecked(Id::FlashlightItem);
    // The toolbar is filled after the settings are read; until then the menu item mirrors tool 605.
    const wxToolBar* tools = GetToolBar();
    settings.eyeCrosses = tools && tools->FindById(Id::EyeCrossTool) ? tools->GetToolState(Id::EyeCrossTool)
                                                                     : menus->IsChecked(Id::EyeCrossItem);
    settings.axisLinesAlways = menus->IsChecked(Id::AxisLinesItem);
    settings.eyeSegments = m_canvas->m_eyeSegments;
    settings.redFilterColour = ToRgb(m_canvas->m_redFilterColour);
    settings.occluderColour = ToRgb(m_canvas->m_occluderColour);
    settings.crossColour = ToRgb(m_canvas->m_crossColour);
    settings.axisColour = ToRgb(m_canvas->m_axisColour);
    settings.occluderAlpha = m_canvas->m_occluderAlpha;
    settings.redFilterAlpha = m_canvas->m_redFilterAlpha;
    settings.blendSlider = m_examination.Distance();
    settings.qualityThreshold = m_qualityThreshold;
    settings.showBothEyesHint = m_showBothEyesHint;
    settings.languageFile = ToLatin1(m_languageFile);
    settings.showCoverHint = m_showCoverHint;
    settings.quadrantColour = ToRgb(m_canvas->m_quadrantColour);
    settings.quadrantAlpha = m_canvas->m_quadrantAlpha;
    if (m_playbackTimer)
        settings.extension.playbackSpeedEighths = m_playbackTimer->SpeedEighths();
    settings.extension.traceSpanMs = m_tracePanel->SpanMs();
    settings.extension.angleKappa = m_canvas->m_angleKappa;
    settings.extension.unknownRecords = m_unknownSettingsRecords;
    settings.extension.cycloStaysUnderCover = m_examination.CycloStaysUnderCover();
    settings.extension.face = menus->IsChecked(Id::FaceItem);
    settings.extension.showTarget = m_examination.Display().fixationTarget;
    return settings;
}

wxString PatientFrame::DesktopLanguageFile() const
{
    std::vector<std::string> files;
    std::vector<std::string> codes;
    for (const wxString& file : m_languageMenuFiles) {
        files.push_back(ToLatin1(file));
        codes.push_back(LanguageCodeOf(LanguagePath(file)));
    }
    return FromLatin1(PickLanguageFile(files, codes, DesktopLanguageCodes()));
}

void PatientFrame::LoadSettings()
{
    m_settingsFilePath = wxFileName(wxGetCwd(), kSettingsFileName).GetFullPath();

    const Settings defaults = CurrentSettings();
    Settings settings;
    std::string error;
    // A settings file that cannot be read (a folder, a FIFO, no permission)
    // leaves the defaults in force without a word, like a missing one; only
    // a missing one is a first run, which follows the desktop's language.
    const SettingsFileState state = LoadSettingsFile(ToPath(m_settingsFilePath), defaults, settings, nullptr, error);
    if (state == SettingsFileState::Missing) {
        UseStartLanguage(DesktopLanguageFile());
        return;
    }

    m_panelColour = ToColour(settings.panelColour);
    m_textColour = ToColour(settings.textColour);
    m_canvas->m_backgroundColour = ToColour(settings.backgroundColour);
    wxMenuBar* menus = GetMenuBar();
    menus->Check(Id::WholeDegreesItem, settings.wholeDegrees);
    menus->Check(Id::FlashlightItem, settings.flashlightMode);
    menus->Check(Id::EyeCrossItem, settings.eyeCrosses);
    menus->Check(Id::AxisLinesItem, settings.axisLinesAlways);
    m_canvas->m_eyeSegments = settings.eyeSegments;
    m_canvas->m_redFilterColour = ToColour(settings.redFilterColour);
    m_canvas->m_occluderColour = ToColour(settings.occluderColour);
    m_canvas->m_crossColour = ToColour(settings.crossColour);
    m_canvas->m_axisColour = ToColour(settings.axisColour);
    m_canvas->m_occluderAlpha = settings.occluderAlpha;
    m_canvas->m_redFilterAlpha = settings.redFilterAlpha;
    SetDistance(settings.blendSlider);
    m_qualityThreshold = settings.qualityThreshold;
    m_showBothEyesHint = settings.showBothEyesHint;
    UseStartLanguage(settings.languageFile.empty() ? m_languageFile : FromLatin1(settings.languageFile));
    m_showCoverHint = settings.showCoverHint;
    m_canvas->m_quadrantColour = ToColour(settings.quadrantColour);
    m_canvas->m_quadrantAlpha = settings.quadrantAlpha;
    ApplyPanelColours();
    ApplyPlaybackPreferences(settings.extension);
    m_canvas->m_angleKappa = settings.extension.angleKappa;
    m_unknownSettingsRecords = settings.extension.unknownRecords;
    m_examination.SetCycloStaysUnderCover(settings.extension.cycloStaysUnderCover);
    menus->Check(Id::FaceItem, settings.extension.face);
    menus->Check(Id::ShowTargetItem, settings.extension.showTarget);
    NoteSwitches();
}

void PatientFrame::ApplyPlaybackPreferences(const SettingsExtension& preferences)
{
    // The player is created after the settings are read; it takes the speed from the choice.
    const auto speed = std::find(kSpeedEighths.begin(), kSpeedEighths.end(), preferences.playbackSpeedEighths);
    if (speed != kSpeedEighths.end())
        m_speedChoice->SetSelection(static_cast<int>(speed - kSpeedEighths.begin()));
    m_tracePanel->SetSpanMs(preferences.traceSpanMs);
}

void PatientFrame::SaveSettings()
{
    std::string error;
    if (!SaveSettingsFile(ToPath(m_settingsFilePath), CurrentSettings(), error))
        wxLogError("%s", wxString::FromUTF8(error));
}
