#pragma once

#include "charts/ChartHost.h"
#include "playback/PlaybackHost.h"
#include "commands/CommandContext.h"
#include "commands/CommandTable.h"
#include "quiz/QuizHost.h"
#include "view/ViewHost.h"
#include "widgets/Ids.h"
#include "model/BothEyesHint.h"
#include "examination/Examination.h"
#include "model/EyeModel.h"
#include "model/MuscleStrengths.h"
#include "model/Prism.h"

#include <wx/frame.h>
#include <wx/timer.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class AngleSpinButton;
class CoverAnimationTimer;
class LanguageTable;
class EyesCanvas;
struct Settings;
struct SettingsExtension;
class OverlayTimer;
class PlaybackTimer;
class QuizFrame;
class wxHtmlHelpController;
class wxScrollEvent;
class wxSpinEvent;
class wxCheckBox;
class wxChoice;
class wxKeyEvent;
class TracePanel;
class wxPanel;
class wxSlider;
class wxStaticBox;
class wxStaticText;
class wxTextCtrl;
class wxToolBar;

// The name of a tool's picture among the resources; nullptr for an unknown id.
const char* ToolBitmapName(int toolId);

// The program's only top-level window. It owns the patient's state, every
// control that edits it and the 3D view that shows it.
class PatientFrame : public wxFrame,
                     public ViewHost,
                     public ChartHost,
                     public QuizHost,
                     public PlaybackHost,
                     public CommandWindow {
public:
    static constexpr int kDefaultWidth = 640;
    static constexpr int kDefaultHeight = 508;
    explicit PatientFrame(wxWindow* parent, const wxString& title = wxEmptyString, const wxPoint& pos = wxPoint(0, 0),
                          const wxSize& size = wxSize(kDefaultWidth, kDefaultHeight));
    ~PatientFrame() override;

    bool BuildUI();
    void BuildToolBar(wxToolBar* toolBar);

    void ApplyMenuLabels();
    void ApplyToolTips();
    void ApplyPlaybackToolTips();
    void ApplyWindowTexts();
    void ApplyLanguage();
    // The Language menu's radio item of the file in use.
    void MarkCurrentLanguage();

    void OnLanguage(wxCommandEvent& event);
    void LoadSettings();

    // Files named on the command line, opened one after the other as the
    // File menu opens them; a question file switches the quiz on.
    void OpenFromCommandLine(const std::vector<wxString>& paths);

    // Language string n, converted from the file's ISO 8859-1 bytes.
    wxString Text(int n) const override;
    const LanguageTable& Language() const override { return *m_languageTable; }

    void UpdateTitle(const wxString& name);
    bool IsPlaybackMode() const override;
    // The examination the window shows: the controls show it and send their
    // edits to it; the view, the charts and the quiz read it.
    const Examination& ExaminationNow() const override { return m_examination; }
    Examination& CurrentExamination() { return m_examination; }
    bool ExaminationReady() const override;
    bool AxisOverlaysShowing() const override;
    void ToggleQuadrantMarks(std::uint8_t toggled) override;
    void SwitchManifestLatent() override;
    void SetHeadPosture(const HeadPosture& head) override;

    // The eye-position model and the controls that show it.
    void SetQuantity(int controlId, float value);
    int BlendedValue(int spinId) const override;
    void UpdateGazeSlidersFromModel();
    void UpdateSpinsFromModel();
    void UpdateTextsFromSpins();
    bool IsWholeDegreeMode() const override;
    void EnableQuantityControls(bool enable);
    void ApplyPanelColours();

    void OnGazeSlider(wxScrollEvent& event);
    void OnBlendSlider(wxScrollEvent& event);
    // The examination at another distance, the slider and the values with it.
    void SetDistance(int distance);
    void OnQuantityText(wxCommandEvent& event);
    void OnQuantitySpin(wxSpinEvent& event);
    void OnCoverCheckBox(wxCommandEvent& event);

    // Case files. ReadCaseFile is false only when the file cannot be read.
    bool ReadCaseFile(const wxString& path);
    bool WriteCaseFile(const wxString& path);
    bool SaveCaseAs();
    bool SaveCase();
    // Without a path the file dialog asks for one.
    void OpenCase(const wxString& path = wxEmptyString);
    bool NewCase(wxCommandEvent& event);

    // What the commands ask of the window (see the command files in src/commands).
    void StartNewCase() override;
    void ChooseAndOpenCase() override;
    void SaveCaseFile(bool askForName) override;
    void ChooseAndOpenRecording() override;
    void SaveRecordingFile(bool askForName) override;
    void RepairRecording() override;
    void ShowMuscles() override;
    void ShowPrismChooser() override;
    void ShowDisplayOptions() override;
    void ShowHessChart() override;
    void ShowNinePositions() override;
    void ShowHelp() override;
    void ShowAbout() override;
    void Quit() override;
    void SetPresentation(bool on) override;
    // Shows the hidden controls of presentation mode for a moment.
    void PeekAtValues() override;
    void ExportPicture() override;
    void CopyPicture() override;
    void ResetView() override;
    void ApplySwitch(int id) override;
    void SetCoverTool(int tool, bool on) override;
    GazeTarget GazeNow() const override;
    void ShowDeviation(const Measurement& measured) override;

    void SetPlaybackMode(bool on);
    // How far, up to wanted, the window can grow downwards on its screen.
    int RoomBelow(int wanted) const;
    // Stops the playback and leaves playback mode after offering to save an
    // edited recording; false when the user cancels or the save fails.
    bool LeavePlaybackMode();

    void SaveSettings();

    // Shell commands: quitting, help, recordings and the playback bar.
    void StopPlayback() override;
    void OnCloseWindow(wxCloseEvent& event);
    // Without a path the file dialog asks for one.
    void OpenRecording(const wxString& path = wxEmptyString);
    void OnPlaybackButton(wxCommandEvent& event);
    void OnTimeSlider(wxScrollEvent& event);
    void OnPlaybackStep(wxCommandEvent& event);
    void OnPlaybackSpeed(wxCommandEvent& event);
    // Left and Right step one row while playback is paused, unless a control
    // that uses the arrow keys itself has the focus.
    void OnPlaybackKey(wxKeyEvent& event);
    // Shows row: the time slider, the eyes and the trace follow.
    void SeekPlayback(std::size_t row);
    // What a playing recording shows here (see FramePlayback).
    wxWindow* DialogParent() override;
    float QualityThreshold() const override;
    std::size_t ShownRow() const override;
    std::size_t LastRow() const override;
    void SetRowCount(std::size_t rows) override;
    void MoveToRow(std::size_t row) override;
    void ShowPlayedSample(const ShownSample& sample, const wxString& timeText) override;
    void RecordingChanged() override;
    void ShowStatusNote(const wxString& text, bool transient) override;

    // Lecture hall: presentation mode, pictures and the examination keys.
    bool IsPresentation() const { return m_presentation; }
    // Puts prisms before the eyes (0 dioptres: none) and shows them.
    void SetPrisms(const std::array<Prism, 2>& prisms);
    std::array<Prism, 2> Prisms() const
    {
        return {m_examination.PrismBefore(Eye::one), m_examination.PrismBefore(Eye::two)};
    }
    // "R: 20 PD base out", for each eye with a prism.
    wxString PrismStatusText() const;
    // "Head: turn 10° right, tilt 15° left"; empty for a straight head.
    wxString HeadStatusText() const;
    static constexpr int kHintStatusField = 1;
    // The field of the prisms and the head posture.
    static constexpr int kPrismStatusField = 4;
    void OnCharHook(wxKeyEvent& event);

    // The chart windows: the Hess chart and the nine positions of gaze.
    // A file that could not be written: language string 60 and the reason.
    void ReportSaveFailure(const wxString& path, const std::string& reason) override;
    // The charts of the examination now (see FrameCharts).
    wxString CasePath() const override;
    ChartDrawing HessDrawing() const override;
    wxImage NinePositionsPicture(int eccentricity) override;
    wxColour ViewBackground() const override;
    // What the quiz asks of the window (see FrameQuiz).
    void LeaveWholeDegrees() override;
    bool OpenQuizCase(const wxString& path) override;
    wxRect EyesOnScreen() const override;
    void QuizClosed() override;

    // Muscle strengths: the dialog, and the companion file beside a case.
    void SetMuscles(const MuscleStrengths& strengths);
    // The playback time's field says so while the fixing eye cannot reach
    // the gaze target; muscles are not applied during playback.
    void ShowCannotFixate(bool cannot) override;
    static constexpr int kFixationStatusField = 2;
    void ReadMuscleFile(const wxString& casePath);
    bool WriteMuscleFile(const wxString& casePath);

    AngleSpinButton* SpinButton(int spinId) const;
    wxTextCtrl* TextField(int textId) const;

    // What the window shows and holds, for the screenshot tool and the
    // tests; its controls are found by id or name (frame/FrameControls.h).
    EyesCanvas& View() const { return *m_canvas; }
    PlaybackTimer& Playback() const { return *m_playbackTimer; }
    // Shows the axis lines for a while after a tilt edit.
    OverlayTimer& AxisOverlayTimer() const { return *m_overlayTimer; }
    CoverAnimationTimer& CoverAnimation() const { return *m_coverAnimationTimer; }
    wxHtmlHelpController* Help() const { return m_help.get(); }
    QuizFrame* QuizWindow() const { return m_quizFrame; }
    wxString LanguageFileName() const { return m_languageFile; }
    bool IsModified() const { return m_examination.Modified(); }
    bool ShowsBothEyesHint() const { return m_showBothEyesHint; }
    bool ShowsCoverHint() const { return m_showCoverHint; }
    // The case read last had a muscle file beside it that was refused.
    bool MuscleFileRefused() const { return !m_refusedMuscleFile.empty(); }
    // The colours of the panel and its texts, as the display options chose
    // them; ApplyPanelColours shows them.
    void SetControlColours(const wxColour& panel, const wxColour& text)
    {
        m_panelColour = panel;
        m_textColour = text;
    }

private:
    wxString m_languageFile;
    QuizFrame* m_quizFrame = nullptr;
    float m_qualityThreshold = 0.0f;
    bool m_showBothEyesHint = true;
    bool m_showCoverHint = true;
    std::unique_ptr<OverlayTimer> m_overlayTimer;
    std::unique_ptr<CoverAnimationTimer> m_coverAnimationTimer;
    std::unique_ptr<PlaybackTimer> m_playbackTimer;
    EyesCanvas* m_canvas = nullptr;
    wxSlider* m_blendSlider = nullptr;
    wxPanel* m_mainPanel = nullptr;
    wxPanel* m_playbackPanel = nullptr;
    wxCheckBox* m_coverCheckBox1 = nullptr;
    wxCheckBox* m_coverCheckBox2 = nullptr;
    wxStaticText* m_coverLabel2 = nullptr;
    wxStaticText* m_coverLabel1 = nullptr;
    std::array<wxStaticText*, 6> m_quantityLabels1{};
    wxStaticText* m_qualityText1 = nullptr;
    wxStaticText* m_qualityText2 = nullptr;
    std::array<wxStaticText*, 6> m_quantityLabels2{};
    wxSlider* m_timeSlider = nullptr;
    wxStatusBar* m_statusBar = nullptr;
    wxColour m_panelColour{192, 192, 192};
    wxColour m_textColour{0, 0, 0};
    // A case whose muscle file was refused: saving it with normal muscles
    // leaves that file alone rather than removing what could not be read.
    wxString m_refusedMuscleFile;
    std::array<wxSlider*, 4> m_gazeSliders{};
    wxStaticBox* m_eyeBox1 = nullptr;
    wxStaticBox* m_eyeBox2 = nullptr;
    wxStaticText* m_blendLabelTop = nullptr;
    wxStaticText* m_blendLabelBottom = nullptr;
    std::unique_ptr<wxHtmlHelpController> m_help;
    // Height the window grows by in playback mode: the bar with its buttons,
    // and the trace panel below it.
    int m_playbackBarHeight = 28;
    int m_traceHeight = 170;
    TracePanel* m_tracePanel = nullptr;
    wxChoice* m_speedChoice = nullptr;

    // The aids, display switches, mode and unit as the toolbar, the menus and
    // the fixing-eye boxes were just set: each of their handlers sends them.
    void NoteSwitches();
    // A tool that exists and is switched on.
    bool IsToolOn(int id) const;
    // The window follows what the commands changed in the examination.
    void FollowExamination(Change change);
    void ShowGazeTarget();
    // The distance slider and the values at the examination's distance.
    void ShowDistance();
    // What a switch now shows, applied: each switch's own steps.
    void ApplyModePair(int id);
    void ApplyMirrorPair(int id);
    void ApplyAxisLines();
    void ApplyAngleUnit();
    void ApplyViewTool(int id);
    void ApplyCoverTool(int clicked);
    void ApplyHideValues();
    void ApplyQuizTool();
    bool ConfirmDiscard();
    // The command a key names, whatever its lock; nullptr for none.
    const Command* CommandForKey(const wxKeyEvent& event) const;
    // A menu item's or tool's command.
    void OnCommand(wxCommandEvent& event);
    // Runs a command as its menu item or tool would: a check flips first.
    void RunCommand(const Command& command);
    // What the commands' locks depend on, now.
    CommandState CommandStateNow() const;
    void OnCommandState(wxUpdateUIEvent& event);
    // The menu items and tools take their locks at once, not at the next idle time.
    void UpdateCommandStates();
    bool ControlsHiddenForPresentation() const;
    void ApplyPresentationLayout();
    void OnValuesPeekTimer(wxTimerEvent& event);
    void SetHelpBook();
    Settings CurrentSettings() const;
    // The language file of the desktop's language, for a first run.
    wxString DesktopLanguageFile() const;
    void ApplyPlaybackPreferences(const SettingsExtension& preferences);
    float ShownNumber(int textId) const;
    void RunBothEyesCheck();
    void FinishQuantityEdit();
    wxSlider* GazeSlider(int sliderId) const;

    void FillLanguageMenu(wxMenu* languageMenu);
    bool LoadFirstUsableLanguage();
    // At start-up: the wanted file, else the others in menu order; only the
    // wanted one's refusal is reported. False when none loads.
    bool UseStartLanguage(const wxString& wanted);
    std::filesystem::path LanguagePath(const wxString& fileName) const;
    bool LoadLanguageFile(const wxString& fileName, std::string& reason);
    void ReportLanguageFailure(const wxString& fileName, const std::string& reason);
    bool LoadLanguage(const wxString& fileName);
    void ShowLanguage();
    void CreateMenus(wxMenu* languageMenu);
    void CreatePlaybackPanel();
    void CreateTracePanel();
    void CreateMainPanel();
    void CreateEyeGroup(int eye, wxStaticBox*& box, std::array<wxStaticText*, 6>& labels,
                        std::array<wxTextCtrl*, 6>& texts, std::array<AngleSpinButton*, 6>& spins,
                        wxStaticText*& qualityText, wxCheckBox*& coverCheckBox, wxStaticText*& coverLabel);
    void CreateSliders();
    void ConstrainPanels(int mainPanelBottomMargin);
    // Widths from the texts of the current language and font, places as fixed.
    void FitControlsToTexts();
    void FitStatusFields();
    // The prisms and the head posture in their status field.
    void ShowPrismStatus();

    Examination m_examination;
    std::array<wxTextCtrl*, 6> m_quantityTexts1{};
    std::array<wxTextCtrl*, 6> m_quantityTexts2{};
    std::array<AngleSpinButton*, 6> m_quantitySpins1{};
    std::array<AngleSpinButton*, 6> m_quantitySpins2{};
    // Settings records of a newer program, written back on closing.
    std::vector<std::uint8_t> m_unknownSettingsRecords;
    wxString m_settingsFilePath;
    // What the window grew by on entering playback, given back on leaving it:
    // a maximised window, or one without room below on its screen, grows less
    // or not at all, and the view gives up the rest.
    int m_playbackGrowth = 0;
    LanguageTable* m_languageTable = nullptr;
    // Language string 122 of the language loaded before the last attempt.
    std::string m_failedLanguageFormat;
    // Language files are looked up here, whatever folder a file dialog chose since.
    wxString m_startFolder;
    // File name of each language menu item, indexed by id - first language id.
    std::vector<wxString> m_languageMenuFiles;
    BothEyesHint m_bothEyesHint;
    // Hiding the values hides the quadrants too; this is restored when they show again.
    bool m_quadrantsHiddenBeforeHidingValues = false;
    bool m_presentation = false;
    wxTimer m_valuesPeekTimer{this, Id::ValuesPeekTimer};

    wxDECLARE_EVENT_TABLE();
};
