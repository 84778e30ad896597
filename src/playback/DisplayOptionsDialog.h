#pragma once

#include <wx/dialog.h>

#include <array>
#include <functional>

class LanguageTable;
class wxCheckBox;
class wxNotebook;
class wxRadioButton;
class wxSlider;
class wxTextCtrl;

// Ids of the display options dialog's controls.
namespace DisplayOptionsId {
enum : int {
    ThresholdText = 111,
    Notebook = 501,
    RedFilterAlphaSlider = 502,
    OccluderAlphaSlider = 503,
    QuadrantAlphaSlider = 504,
    PanelColourButton = 505,
    TextColourButton = 506,
    BackgroundColourButton = 507,
    OccluderColourButton = 508,
    RedFilterColourButton = 509,
    QuadrantColourButton = 510,
    CrossColourButton = 511,
    AxisColourButton = 512,
    EyeballBox = 513,
    CoarseRadio = 514,
    MediumRadio = 515,
    FineRadio = 516,
    ApplyButton = 517,
    ThresholdCheck = 518,
    OkButton = 5100,
    CancelButton = 5101,
};
}

// The working colours, in the order the dialog is given and returns them.
enum ColourSlot : int {
    panelColourSlot,       // main window m_panelColour
    textColourSlot,        // main window m_textColour
    backgroundColourSlot,  // canvas m_backgroundColour
    redFilterColourSlot,
    occluderColourSlot,
    quadrantColourSlot,
    crossColourSlot,
    axisColourSlot,
    colourSlotCount
};

// Colours, transparencies, eyeball smoothness, the playback quality threshold
// and the two hint switches of the main window. The dialog edits copies;
// Apply hands the visual ones to the window at once; OK ends the dialog so
// that its caller writes everything.
// The check boxes of the general page, as the window has them now.
struct DisplaySwitches {
    bool bothEyesHint = true;
    bool coverHint = true;
    bool angleKappa = true;
    bool cycloStaysUnderCover = false;
};

class DisplayOptionsDialog : public wxDialog {
public:
    using Colours = std::array<wxColour, colourSlotCount>;

    // The title is ignored: the dialog takes its own from the language table.
    // size is the room inside the dialog's frame.
    using ApplyVisual = std::function<void(const DisplayOptionsDialog&)>;
    DisplayOptionsDialog(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size,
                         int eyeSegments, const Colours& colours, float redFilterAlpha, float occluderAlpha,
                         float quadrantAlpha, float qualityThreshold, const DisplaySwitches& switches,
                         const LanguageTable* languageTable, ApplyVisual applyVisual);

    const Colours& WorkingColours() const { return m_colours; }
    int SegmentsChoice() const { return m_segmentsChoice; }
    float RedFilterAlpha() const;
    float OccluderAlpha() const;
    float QuadrantAlpha() const;
    // The threshold typed into field 111 while 518 is ticked, else 0.
    float QualityThreshold() const;
    bool ShowBothEyesHint() const;
    bool ShowCoverHint() const;
    bool AngleKappa() const;
    bool CycloStaysUnderCover() const;

    // Writes colours, transparencies and the segment count into the main
    // window and its view and redraws them: what Apply does.
    void ApplyVisualSettings() const;

    // The colour shown on top of a colour button.
    wxWindow* Swatch(ColourSlot slot) const { return m_colourSwatches[slot]; }
    wxCheckBox* HintCheck1() const { return m_hintCheck1; }
    wxCheckBox* HintCheck2() const { return m_hintCheck2; }
    wxCheckBox* KappaCheck() const { return m_kappaCheck; }
    wxCheckBox* CycloCheck() const { return m_cycloCheck; }

private:
    void CreateControls(const wxSize& requested);
    void CreateColourPage();
    void CreateCoverPage();
    void CreateQuadrantPage();
    void CreateGeneralPage();
    wxWindow* AddPage(int tabText, bool selected);
    void AddColourRow(wxWindow* page, wxWindow* box, int labelText, int buttonId, int y);
    wxSlider* AddAlphaRow(wxWindow* page, wxWindow* box, int labelText, int sliderId);
    wxString Text(int n) const;

    void RefreshSwatches();
    void OnColourButton(wxCommandEvent& event);
    void OnApply(wxCommandEvent& event);
    void OnSegmentsRadio(wxCommandEvent& event);
    void OnThresholdCheck(wxCommandEvent& event);
    void OnThresholdEnter(wxCommandEvent& event);
    void OnCloseButton(wxCommandEvent& event);

    ApplyVisual m_applyVisual;
    const LanguageTable* m_languageTable;
    Colours m_colours;
    int m_segmentsChoice;
    std::array<wxSlider*, 3> m_alphaSliders{};  // red filter, occluder, quadrant
    wxTextCtrl* m_thresholdText = nullptr;
    wxCheckBox* m_thresholdCheck = nullptr;
    wxCheckBox* m_hintCheck1 = nullptr;
    wxCheckBox* m_hintCheck2 = nullptr;
    wxCheckBox* m_kappaCheck = nullptr;
    wxCheckBox* m_cycloCheck = nullptr;
    std::array<wxWindow*, colourSlotCount> m_colourSwatches{};
    std::array<wxRadioButton*, 3> m_segmentsRadios{};
    // Selected instead of the three when the segment count is none of theirs:
    // some toolkits cannot clear a radio group.
    wxRadioButton* m_noSegmentsRadio = nullptr;
    wxNotebook* m_notebook = nullptr;

    wxDECLARE_EVENT_TABLE();
};
