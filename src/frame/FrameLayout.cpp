// Construction of the main window's controls and their layout constraints.
#include "frame/PatientFrame.h"

#include "app/ProgramState.h"
#include "frame/AngleSpinButton.h"
#include "frame/Ids.h"
#include "lang/TextIds.h"
#include "model/EyeQuantity.h"
#include "resources/Resources.h"
#include "view/CoverAnimationTimer.h"
#include "view/MyGLCanvas.h"
#include "playback/PlaybackTimer.h"
#include "view/OverlayTimer.h"

#include <wx/bmpbuttn.h>
#include <wx/checkbox.h>
#include <wx/layout.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

namespace {

constexpr int kRowPitch = 23;
constexpr int kInitialAngleLimit = 50;

// Constraints with every edge given relative to another window; a positive
// margin always moves the edge inward.
struct EdgeSpec {
    wxWindow* window;
    wxEdge edge;
    int margin;
};

void Constrain(wxWindow* target, EdgeSpec top, EdgeSpec left, EdgeSpec right, EdgeSpec bottom) {
    auto* c = new wxLayoutConstraints;
    c->top.SameAs(top.window, top.edge, top.margin);
    c->left.SameAs(left.window, left.edge, left.margin);
    c->right.SameAs(right.window, right.edge, right.margin);
    c->bottom.SameAs(bottom.window, bottom.edge, bottom.margin);
    target->SetConstraints(c);
}

}  // namespace

bool PatientFrame::BuildUI() {
    m_animTimerA = std::make_unique<OverlayTimer>(this);
    m_animTimerB = std::make_unique<CoverAnimationTimer>(this);
    m_animTimerB->Start(CoverAnimationTimer::kIntervalMs);

    wxToolBar* toolBar = CreateToolBar(wxBORDER_NONE | wxTB_FLAT | wxTB_DOCKABLE | wxTB_HORIZONTAL, Id::ToolBar);
    toolBar->SetMargins(2, 2);

    CreatePlaybackPanel();
    CreateMainPanel();
    ConstrainPanels(2);
    m_playbackPanel->Hide();

    m_canvas = new MyGLCanvas(m_mainPanel, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, "MyGLCanvas", nullptr);
    m_canvas->setLanguageTable(m_languageTable);
    m_canvas->setFrame(this);
    m_canvas->setCoverBlends(&m_animTimerB->blends());
    Constrain(m_canvas, {m_mainPanel, wxTop, 5}, {m_mainPanel, wxLeft, 14}, {m_mainPanel, wxRight, 200},
              {m_mainPanel, wxBottom, 19});

    CreateEyeGroup(0, m_eyeBox1, m_quantityLabels1, m_quantityTexts1, m_quantitySpins1, m_qualityText1,
                   m_coverCheckBox1, m_coverLabel1);
    Constrain(m_eyeBox1, {m_canvas, wxTop, 0}, {m_canvas, wxRight, 16}, {m_mainPanel, wxRight, 35},
              {m_canvas, wxCentreY, 2});
    CreateEyeGroup(1, m_eyeBox2, m_quantityLabels2, m_quantityTexts2, m_quantitySpins2, m_qualityText2,
                   m_coverCheckBox2, m_coverLabel2);
    Constrain(m_eyeBox2, {m_canvas, wxCentreY, 5}, {m_canvas, wxRight, 16}, {m_mainPanel, wxRight, 35},
              {m_canvas, wxBottom, 3});

    CreateSliders();

    GetMenuBar()->Check(Id::FlashlightItem, true);
    GetMenuBar()->Check(Id::WholeDegreesItem, false);
    m_modified = false;

    wxCommandEvent startUp(wxEVT_MENU, -1);
    NewCase(startUp);

    m_quadrantMarks = 0;
    m_qualityThreshold = 0.0f;
    m_showBothEyesHint = true;

    LoadSettings();

    wxCommandEvent unitSwitch(wxEVT_MENU, 0);
    ApplyAngleUnit(unitSwitch);

    m_playbackTimer = std::make_unique<PlaybackTimer>(this, m_languageTable);
    return true;
}

void PatientFrame::CreatePlaybackPanel() {
    m_playbackPanel = new wxPanel(this, Id::Panel, wxPoint(0, 450), wxSize(0, 20), wxSUNKEN_BORDER | wxTAB_TRAVERSAL);
    const wxSize buttonSize(20, 17);
    const wxSize glyph(12, 12);
    new wxBitmapButton(m_playbackPanel, Id::PlaybackStart, GetBitmapResource("Bstart", glyph), wxPoint(10, 4),
                       buttonSize);
    new wxBitmapButton(m_playbackPanel, Id::PlaybackPause, GetBitmapResource("Bpause", glyph), wxPoint(40, 4),
                       buttonSize);
    new wxBitmapButton(m_playbackPanel, Id::PlaybackStop, GetBitmapResource("Bstop", glyph), wxPoint(70, 4),
                       buttonSize);
    m_timeSlider = new wxSlider(m_playbackPanel, Id::TimeSlider, 0, 0, 1, wxPoint(100, 2), wxSize(300, 20),
                                wxSL_HORIZONTAL);
}

void PatientFrame::CreateMainPanel() {
    m_mainPanel = new wxPanel(this, Id::Panel, wxPoint(0, 0), wxSize(0, 450), wxSUNKEN_BORDER | wxTAB_TRAVERSAL);
    m_mainPanel->SetBackgroundColour(wxColour(192, 192, 192));
    m_mainPanel->SetForegroundColour(*wxBLACK);
    // The fixed geometry of the eye groups is made for an 8-point dialog font.
    m_mainPanel->SetFont(wxFont(8, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL));
    m_mainPanel->SetAutoLayout(true);
}

void PatientFrame::ConstrainPanels(int mainPanelBottomMargin) {
    Constrain(m_mainPanel, {this, wxTop, 2}, {this, wxLeft, 2}, {this, wxRight, 2},
              {this, wxBottom, mainPanelBottomMargin});
    Constrain(m_playbackPanel, {m_mainPanel, wxBottom, 0}, {this, wxLeft, 2}, {this, wxRight, 2},
              {this, wxBottom, 2});
}

void PatientFrame::CreateEyeGroup(int eye, wxStaticBox*& box, std::array<wxStaticText*, 6>& labels,
                                  std::array<wxTextCtrl*, 6>& texts, std::array<AngleSpinButton*, 6>& spins,
                                  wxStaticText*& qualityText, wxCheckBox*& coverCheckBox,
                                  wxStaticText*& coverLabel) {
    box = new wxStaticBox(m_mainPanel, wxID_ANY, Text(eye == 0 ? Text::EyeGroup1 : Text::EyeGroup2));
    const QuantityControl* rows = &kQuantityControls[eye * kEyeQuantityCount];

    for (int row = 0; row < kEyeQuantityCount; ++row)
        labels[row] = new wxStaticText(box, wxID_ANY, Text(rows[row].labelString), wxPoint(10, 23 + kRowPitch * row));
    // "+50.00°" must fit the narrow value fields.
    const wxFont valueFont(7, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
    for (int row = 0; row < kEyeQuantityCount; ++row) {
        texts[row] = new wxTextCtrl(box, rows[row].textId, wxString(" 0\xB0", wxConvISO8859_1),
                                    wxPoint(75, 20 + kRowPitch * row), wxSize(40, 19), wxTE_PROCESS_ENTER);
        texts[row]->SetFont(valueFont);
    }
    for (int row = 0; row < kEyeQuantityCount; ++row)
        spins[row] = new AngleSpinButton(box, rows[row].spinId, wxPoint(115, 20 + kRowPitch * row), wxSize(-1, 19));

    qualityText = new wxStaticText(box, wxID_ANY, wxEmptyString, wxPoint(80, 92), wxSize(40, 19));
    qualityText->Hide();
    coverCheckBox = new wxCheckBox(box, eye == 0 ? Id::CoverCheckBox1 : Id::CoverCheckBox2, wxEmptyString,
                                   wxPoint(10, 158), wxSize(18, 15));
    coverCheckBox->Disable();
    coverLabel = new wxStaticText(box, wxID_ANY, Text(eye == 0 ? Text::FixingEyeLabel1 : Text::FixingEyeLabel2),
                                  wxPoint(30, 159), wxSize(100, 15));
}

void PatientFrame::CreateSliders() {
    const int limit = kInitialAngleLimit;
    auto gazeSlider = [&](int id, long style) {
        return new wxSlider(m_mainPanel, id, 0, -limit, limit, wxDefaultPosition, wxDefaultSize, style);
    };
    m_gazeSliders[0] = gazeSlider(Id::GazeSliderEye1Vertical, wxSL_VERTICAL);
    Constrain(m_gazeSliders[0], {m_canvas, wxTop, 0}, {m_mainPanel, wxLeft, 1}, {m_canvas, wxLeft, 0},
              {m_canvas, wxBottom, 0});
    m_gazeSliders[1] = gazeSlider(Id::GazeSliderEye2Vertical, wxSL_VERTICAL);
    Constrain(m_gazeSliders[1], {m_canvas, wxTop, 0}, {m_canvas, wxRight, 2}, {m_eyeBox1, wxLeft, 2},
              {m_canvas, wxBottom, 0});
    m_gazeSliders[2] = gazeSlider(Id::GazeSliderEye1Horizontal, wxSL_HORIZONTAL);
    Constrain(m_gazeSliders[2], {m_canvas, wxBottom, 1}, {m_canvas, wxLeft, 0}, {m_canvas, wxCentreX, 0},
              {m_mainPanel, wxBottom, 5});
    m_gazeSliders[3] = gazeSlider(Id::GazeSliderEye2Horizontal, wxSL_HORIZONTAL);
    Constrain(m_gazeSliders[3], {m_canvas, wxBottom, 1}, {m_canvas, wxCentreX, 0}, {m_canvas, wxRight, 0},
              {m_mainPanel, wxBottom, 5});

    m_blendSlider = new wxSlider(m_mainPanel, Id::BlendSlider, 11, 1, 11, wxDefaultPosition, wxDefaultSize,
                                 wxSL_VERTICAL);
    Constrain(m_blendSlider, {m_mainPanel, wxTop, 17}, {m_eyeBox1, wxRight, 8}, {m_mainPanel, wxRight, 9},
              {m_mainPanel, wxBottom, 25});

    const wxFont labelFont(7, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
    m_blendLabelTop = new wxStaticText(m_mainPanel, wxID_ANY, Text(Text::FarLabel), wxPoint(0, 0));
    Constrain(m_blendLabelTop, {m_mainPanel, wxTop, 7}, {m_eyeBox1, wxRight, 3}, {m_mainPanel, wxRight, 9},
              {m_blendSlider, wxTop, 0});
    m_blendLabelBottom = new wxStaticText(m_mainPanel, wxID_ANY, Text(Text::NearLabel), wxPoint(0, 0));
    Constrain(m_blendLabelBottom, {m_blendSlider, wxBottom, 0}, {m_eyeBox1, wxRight, 5},
              {m_mainPanel, wxRight, 9}, {m_mainPanel, wxBottom, 5});
    m_blendLabelTop->SetFont(labelFont);
    m_blendLabelBottom->SetFont(labelFont);
}

void PatientFrame::ApplyWindowTexts() {
    SetTitle(Text(Text::ProductTitle));
    m_eyeBox1->SetLabel(Text(Text::EyeGroup1));
    m_eyeBox2->SetLabel(Text(Text::EyeGroup2));
    for (int row = 0; row < kEyeQuantityCount; ++row) {
        m_quantityLabels1[row]->SetLabel(Text(kQuantityControls[row].labelString));
        m_quantityLabels2[row]->SetLabel(Text(kQuantityControls[kEyeQuantityCount + row].labelString));
    }
    m_blendLabelTop->SetLabel(Text(Text::FarLabel));
    m_blendLabelBottom->SetLabel(Text(Text::NearLabel));
    m_coverLabel1->SetLabel(Text(Text::FixingEyeLabel1));
    m_coverLabel2->SetLabel(Text(Text::FixingEyeLabel2));
    const bool manifest = GetMenuBar()->IsChecked(Id::ModeManifest);
    m_statusBar->SetStatusText(Text(manifest ? Text::ManifestModeStatus : Text::LatentModeStatus), 3);
}
