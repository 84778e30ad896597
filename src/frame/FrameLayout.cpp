// Construction of the main window's controls and their layout constraints.
#include "frame/PatientFrame.h"

#include "widgets/AngleSpinButton.h"
#include "widgets/BareCheckBox.h"
#include "widgets/Ids.h"
#include "lang/TextIds.h"
#include "model/EyeQuantity.h"
#include "resources/Resources.h"
#include "view/CoverAnimationTimer.h"
#include "view/EyesCanvas.h"
#include "playback/PlaybackSpeed.h"
#include "playback/PlaybackTimer.h"
#include "playback/TracePanel.h"
#include "frame/OverlayTimer.h"
#include "frame/FrameControls.h"

#include <algorithm>
#include <initializer_list>

#include <wx/bmpbuttn.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
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
constexpr int kTimeSliderWidth = 300;
// In playback mode the first tilt row names the sample quality.
constexpr auto kQualityRow = static_cast<std::size_t>(EyeQuantity::verticalAxisTilt);
constexpr int kInitialAngleLimit = 50;

// Fixed places of the eye groups, made for an 8-point font; GTK's fonts and
// entry borders need more room, so the widths grow from measured texts.
constexpr int kLabelX = 10;
constexpr int kMinimumFieldX = 75;
constexpr int kMinimumFieldWidth = 40;
constexpr int kFieldHeight = 19;
constexpr int kFieldPadding = 10;  // entry border and inner padding
constexpr int kGroupPadding = 8;
constexpr int kCanvasToGroups = 16;
constexpr int kMinimumRightStrip = 35;
// GTK draws the size grip inside the last status field; it gets the grip's room on top.
#ifdef __WXGTK__
constexpr int kSizeGripRoom = 18;
#else
constexpr int kSizeGripRoom = 0;
#endif
// The widest value a field shows, in either unit.
const wxString kWidestValue = wxString::FromUTF8("-50.00\xC2\xB0");

int MaxTextWidth(const wxWindow* window, std::initializer_list<wxString> texts)
{
    int widest = 0;
    for (const wxString& text : texts)
        widest = std::max(widest, window->GetTextExtent(text).GetWidth());
    return widest;
}

// Constraints with every edge given relative to another window; a positive
// margin always moves the edge inward.
struct EdgeSpec {
    wxWindow* window;
    wxEdge edge;
    int margin;
};

void Constrain(wxWindow* target, EdgeSpec top, EdgeSpec left, EdgeSpec right, EdgeSpec bottom)
{
    auto* c = new wxLayoutConstraints;
    c->top.SameAs(top.window, top.edge, top.margin);
    c->left.SameAs(left.window, left.edge, left.margin);
    c->right.SameAs(right.window, right.edge, right.margin);
    c->bottom.SameAs(bottom.window, bottom.edge, bottom.margin);
    target->SetConstraints(c);
}

}  // namespace

bool PatientFrame::BuildUI()
{
    m_overlayTimer = std::make_unique<OverlayTimer>(this);
    m_coverAnimationTimer = std::make_unique<CoverAnimationTimer>(*this, [this] {
        if (m_canvas)
            m_canvas->Refresh(true, nullptr);
    });
    m_coverAnimationTimer->Start(CoverAnimationTimer::kIntervalMs);

    wxToolBar* toolBar = CreateToolBar(wxBORDER_NONE | wxTB_FLAT | wxTB_DOCKABLE | wxTB_HORIZONTAL, Id::ToolBar);
    toolBar->SetMargins(2, 2);

    CreatePlaybackPanel();
    CreateTracePanel();
    CreateMainPanel();
    ConstrainPanels(2);
    m_playbackPanel->Hide();
    m_tracePanel->Hide();

    m_canvas = new EyesCanvas(m_mainPanel, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, "EyesCanvas", nullptr);
    m_canvas->SetLanguageTable(m_languageTable);
    m_canvas->SetHost(this);
    m_canvas->SetCoverBlends(&m_coverAnimationTimer->Blends());
    CreateEyeGroup(0, m_eyeBox1, m_quantityLabels1, m_quantityTexts1, m_quantitySpins1, m_qualityText1,
                   m_coverCheckBox1, m_coverLabel1);
    CreateEyeGroup(1, m_eyeBox2, m_quantityLabels2, m_quantityTexts2, m_quantitySpins2, m_qualityText2,
                   m_coverCheckBox2, m_coverLabel2);
    CreateSliders();
    FitControlsToTexts();

    GetMenuBar()->Check(Id::FlashlightItem, true);
    GetMenuBar()->Check(Id::WholeDegreesItem, false);
    m_examination.SetModified(false);

    wxCommandEvent startUp(wxEVT_MENU, -1);
    NewCase(startUp);

    m_qualityThreshold = 0.0f;
    m_showBothEyesHint = true;

    LoadSettings();

    ApplyAngleUnit();

    m_playbackTimer = std::make_unique<PlaybackTimer>(*this, *m_languageTable);
    m_playbackTimer->SetSpeed(kSpeedEighths[static_cast<std::size_t>(m_speedChoice->GetSelection())]);
    return true;
}

void PatientFrame::CreatePlaybackPanel()
{
    m_playbackPanel = new wxPanel(this, Id::Panel, wxPoint(0, 450), wxSize(0, 20), wxSUNKEN_BORDER | wxTAB_TRAVERSAL,
                                  FrameControl::kPlaybackPanel);
    // GTK's buttons need more than the bitmap: each takes the size it asks for.
    const wxSize glyph(12, 12);
    constexpr int kGap = 4;
    int x = 10;
    int height = 0;
    for (const auto& [id, bitmap] :
         {std::pair{Id::PlaybackStart, "playback-start"}, std::pair{Id::PlaybackPause, "playback-pause"},
          std::pair{Id::PlaybackStop, "playback-stop"}, std::pair{Id::PlaybackPreviousRow, "previous"},
          std::pair{Id::PlaybackNextRow, "next"}}) {
        // The row steps stand apart from start, pause and stop.
        if (id == Id::PlaybackPreviousRow)
            x += 2 * kGap;
        auto* button = new wxBitmapButton(m_playbackPanel, id, GetBitmapResource(bitmap, glyph), wxPoint(x, 3));
        const wxSize size = button->GetBestSize();
        button->SetSize(std::max(20, size.GetWidth()), std::max(17, size.GetHeight()));
        x += button->GetSize().GetWidth() + kGap;
        height = std::max(height, button->GetSize().GetHeight());
    }
    m_speedChoice = new wxChoice(m_playbackPanel, Id::PlaybackSpeed, wxPoint(x + 2 * kGap, 3));
    for (int eighths : kSpeedEighths)
        m_speedChoice->Append(wxString::FromUTF8(SpeedLabel(eighths)));
    m_speedChoice->SetSelection(static_cast<int>(
        std::find(kSpeedEighths.begin(), kSpeedEighths.end(), kNormalSpeedEighths) - kSpeedEighths.begin()));
    m_speedChoice->SetSize(m_speedChoice->GetBestSize());
    height = std::max(height, m_speedChoice->GetSize().GetHeight());
    m_speedChoice->Move(m_speedChoice->GetPosition().x, 3 + (height - m_speedChoice->GetSize().GetHeight()) / 2);
    x = m_speedChoice->GetRect().GetRight() + 1 + kGap;
    m_timeSlider = new wxSlider(m_playbackPanel, Id::TimeSlider, 0, 0, 1, wxPoint(x + 6, 3 + (height - 20) / 2),
                                wxSize(kTimeSliderWidth, 20), wxSL_HORIZONTAL);
    // A wider window gives the slider the room beyond the default width: a
    // long recording is then sought finely on a wide screen.
    const int rightMargin = kDefaultWidth - m_timeSlider->GetRect().GetRight();
    m_playbackPanel->Bind(wxEVT_SIZE, [this, rightMargin](wxSizeEvent& event) {
        const int room = event.GetSize().GetWidth() - rightMargin - m_timeSlider->GetPosition().x;
        m_timeSlider->SetSize(std::max(kTimeSliderWidth, room), m_timeSlider->GetSize().GetHeight());
        event.Skip();
    });
    m_playbackBarHeight = std::max(m_playbackBarHeight, height + 11);
    ApplyPlaybackToolTips();
}

void PatientFrame::CreateTracePanel()
{
    m_tracePanel = new TracePanel(this, Id::TracePanel, *m_languageTable);
    m_tracePanel->SetSeekHandler([this](std::size_t row) { SeekPlayback(row); });
}

void PatientFrame::CreateMainPanel()
{
    m_mainPanel = new wxPanel(this, Id::Panel, wxPoint(0, 0), wxSize(0, 450), wxSUNKEN_BORDER | wxTAB_TRAVERSAL,
                              FrameControl::kMainPanel);
    m_mainPanel->SetBackgroundColour(wxColour(192, 192, 192));
    m_mainPanel->SetForegroundColour(*wxBLACK);
    // The fixed geometry of the eye groups is made for an 8-point dialog font.
    m_mainPanel->SetFont(wxFont(8, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL));
    m_mainPanel->SetAutoLayout(true);
}

void PatientFrame::ConstrainPanels(int mainPanelBottomMargin)
{
    Constrain(m_mainPanel, {this, wxTop, 2}, {this, wxLeft, 2}, {this, wxRight, 2},
              {this, wxBottom, mainPanelBottomMargin});
    // The bar keeps its height; the trace takes the rest below it.
    auto* bar = new wxLayoutConstraints;
    bar->top.SameAs(m_mainPanel, wxBottom, 0);
    bar->left.SameAs(this, wxLeft, 2);
    bar->right.SameAs(this, wxRight, 2);
    bar->height.Absolute(m_playbackBarHeight);
    m_playbackPanel->SetConstraints(bar);
    Constrain(m_tracePanel, {m_playbackPanel, wxBottom, 0}, {this, wxLeft, 2}, {this, wxRight, 2}, {this, wxBottom, 2});
}

void PatientFrame::CreateEyeGroup(int eye, wxStaticBox*& box, std::array<wxStaticText*, 6>& labels,
                                  std::array<wxTextCtrl*, 6>& texts, std::array<AngleSpinButton*, 6>& spins,
                                  wxStaticText*& qualityText, wxCheckBox*& coverCheckBox, wxStaticText*& coverLabel)
{
    box = new wxStaticBox(m_mainPanel, wxID_ANY, Text(eye == 0 ? Text::EyeGroup1 : Text::EyeGroup2), wxDefaultPosition,
                          wxDefaultSize, 0, FrameControl::EyeBox(eye + 1));
    const QuantityControl* rows = &kQuantityControls[eye * kEyeQuantityCount];

    for (int row = 0; row < kEyeQuantityCount; ++row)
        labels[row] =
            new wxStaticText(box, wxID_ANY, Text(rows[row].labelString), wxPoint(kLabelX, 23 + kRowPitch * row),
                             wxDefaultSize, 0, FrameControl::QuantityLabel(eye + 1, row));
    // "+50.00°" must fit the narrow value fields.
    const wxFont valueFont(7, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
    for (int row = 0; row < kEyeQuantityCount; ++row) {
        texts[row] = new wxTextCtrl(box, rows[row].textId, wxString(" 0\xB0", wxConvISO8859_1),
                                    wxPoint(kMinimumFieldX, 20 + kRowPitch * row),
                                    wxSize(kMinimumFieldWidth, kFieldHeight), wxTE_PROCESS_ENTER);
        texts[row]->SetFont(valueFont);
    }
    for (int row = 0; row < kEyeQuantityCount; ++row)
        spins[row] =
            new AngleSpinButton(box, rows[row].spinId, wxPoint(115, 20 + kRowPitch * row), wxSize(-1, kFieldHeight));

    qualityText = new wxStaticText(box, wxID_ANY, wxEmptyString, wxPoint(80, 92), wxSize(40, kFieldHeight), 0,
                                   FrameControl::QualityText(eye + 1));
    qualityText->Hide();
    coverCheckBox =
        new BareCheckBox(box, eye == 0 ? Id::CoverCheckBox1 : Id::CoverCheckBox2, wxPoint(10, 158), wxSize(18, 15));
    coverCheckBox->Disable();
    coverLabel = new wxStaticText(box, wxID_ANY, Text(eye == 0 ? Text::FixingEyeLabel1 : Text::FixingEyeLabel2),
                                  wxPoint(30, 159), wxSize(100, 15), 0, FrameControl::FixingEyeLabel(eye + 1));
}

void PatientFrame::CreateSliders()
{
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

    m_blendSlider =
        new wxSlider(m_mainPanel, Id::BlendSlider, 11, 1, 11, wxDefaultPosition, wxDefaultSize, wxSL_VERTICAL);
    Constrain(m_blendSlider, {m_mainPanel, wxTop, 17}, {m_eyeBox1, wxRight, 8}, {m_mainPanel, wxRight, 9},
              {m_mainPanel, wxBottom, 25});

    const wxFont labelFont(7, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
    m_blendLabelTop = new wxStaticText(m_mainPanel, wxID_ANY, Text(Text::FarLabel), wxPoint(0, 0), wxDefaultSize, 0,
                                       FrameControl::kFarLabel);
    Constrain(m_blendLabelTop, {m_mainPanel, wxTop, 7}, {m_eyeBox1, wxRight, 3}, {m_mainPanel, wxRight, 9},
              {m_blendSlider, wxTop, 0});
    m_blendLabelBottom = new wxStaticText(m_mainPanel, wxID_ANY, Text(Text::NearLabel), wxPoint(0, 0), wxDefaultSize, 0,
                                          FrameControl::kNearLabel);
    Constrain(m_blendLabelBottom, {m_blendSlider, wxBottom, 0}, {m_eyeBox1, wxRight, 5}, {m_mainPanel, wxRight, 9},
              {m_mainPanel, wxBottom, 5});
    m_blendLabelTop->SetFont(labelFont);
    m_blendLabelBottom->SetFont(labelFont);
}

void PatientFrame::FitControlsToTexts()
{
    // Every row of both groups gets the same columns, so the groups line up.
    // A label asks for its text's width plus the toolkit's own margin; rows
    // that change their label (torsion, quality) are measured too.
    const wxStaticText* sample = m_quantityLabels1[0];
    const int labelMargin =
        std::max(0, sample->GetBestSize().GetWidth() - sample->GetTextExtent(sample->GetLabel()).GetWidth());
    int labelWidth = 0;
    for (const auto* labels : {&m_quantityLabels1, &m_quantityLabels2})
        for (const wxStaticText* label : *labels)
            labelWidth = std::max(labelWidth, label->GetTextExtent(label->GetLabel()).GetWidth());
    for (int id : {Text::IncycloRow, Text::ExcycloRow, Text::TorsionRow, Text::QualityRowLabel})
        labelWidth = std::max(labelWidth, sample->GetTextExtent(Text(id)).GetWidth());
    const int fieldX = std::max(kMinimumFieldX, kLabelX + labelWidth + labelMargin + 2);
    const int fieldWidth =
        std::max(kMinimumFieldWidth, m_quantityTexts1[0]->GetTextExtent(kWidestValue).GetWidth() + kFieldPadding);
    const int spinX = fieldX + fieldWidth;
    int groupWidth = 0;
    for (int eye = 0; eye < 2; ++eye) {
        const auto& texts = eye == 0 ? m_quantityTexts1 : m_quantityTexts2;
        const auto& spins = eye == 0 ? m_quantitySpins1 : m_quantitySpins2;
        for (int row = 0; row < kEyeQuantityCount; ++row) {
            const int y = 20 + kRowPitch * row;
            texts[row]->SetSize(fieldX, y, fieldWidth, kFieldHeight);
            spins[row]->Move(spinX, y);
            groupWidth = std::max(groupWidth, spinX + spins[row]->GetSize().GetWidth() + kGroupPadding);
        }
        wxStaticText* quality = eye == 0 ? m_qualityText1 : m_qualityText2;
        quality->SetSize(fieldX + 5, 92, fieldWidth, kFieldHeight);
        wxStaticText* coverLabel = eye == 0 ? m_coverLabel1 : m_coverLabel2;
        const wxSize label = coverLabel->GetBestSize();
        coverLabel->SetSize(30, 159, label.GetWidth(), std::max(15, label.GetHeight()));
        groupWidth = std::max(groupWidth, 30 + label.GetWidth() + kGroupPadding);
    }

    if (ControlsHiddenForPresentation()) {
        // The view alone fills the window.
        Constrain(m_canvas, {m_mainPanel, wxTop, 2}, {m_mainPanel, wxLeft, 2}, {m_mainPanel, wxRight, 2},
                  {m_mainPanel, wxBottom, 2});
        m_mainPanel->Layout();
        FitStatusFields();
        return;
    }
    // Right of the groups: the distance slider under and over its two labels.
    const int stripWidth =
        std::max(kMinimumRightStrip, MaxTextWidth(m_blendLabelTop, {Text(Text::FarLabel), Text(Text::NearLabel)}) + 14);
    Constrain(m_canvas, {m_mainPanel, wxTop, 5}, {m_mainPanel, wxLeft, 14},
              {m_mainPanel, wxRight, kCanvasToGroups + groupWidth + stripWidth}, {m_mainPanel, wxBottom, 19});
    Constrain(m_eyeBox1, {m_canvas, wxTop, 0}, {m_canvas, wxRight, kCanvasToGroups}, {m_mainPanel, wxRight, stripWidth},
              {m_canvas, wxCentreY, 2});
    Constrain(m_eyeBox2, {m_canvas, wxCentreY, 5}, {m_canvas, wxRight, kCanvasToGroups},
              {m_mainPanel, wxRight, stripWidth}, {m_canvas, wxBottom, 3});
    m_mainPanel->Layout();
    FitStatusFields();
}

void PatientFrame::FitStatusFields()
{
    constexpr int kFieldMargin = 16;
    // The hint's field gives its room to the notes while it has nothing to say.
    const int hint =
        m_statusBar->GetStatusText(kHintStatusField).empty()
            ? kFieldMargin
            : std::max(100, m_statusBar->GetTextExtent(Text(Text::BothEyesStatus)).GetWidth() + kFieldMargin);
    // The time's field also says when the fixing eye cannot fixate; with
    // neither to say it gives its room to the notes.
    const bool timeShown = m_examination.RecordingPlays() || !m_statusBar->GetStatusText(kFixationStatusField).empty();
    const int time = !timeShown
                         ? kFieldMargin
                         : std::max({80,
                                     m_statusBar->GetTextExtent(Text(Text::PlaybackTimeFormat)).GetWidth() +
                                         m_statusBar->GetTextExtent("0000.00").GetWidth() + kFieldMargin,
                                     m_statusBar->GetTextExtent(Text(Text::CannotFixate)).GetWidth() + kFieldMargin});
    const int mode = std::max(
        60, MaxTextWidth(m_statusBar, {Text(Text::ManifestModeStatus), Text(Text::LatentModeStatus)}) + kFieldMargin);
    // The prisms' field is as wide as what it shows, and empty without prisms.
    const wxString prisms = m_statusBar->GetStatusText(kPrismStatusField);
    const int prism = prisms.empty() ? 0 : m_statusBar->GetTextExtent(prisms).GetWidth() + kFieldMargin;
    int widths[] = {-1, hint, time, mode, prism + kSizeGripRoom};
    m_statusBar->SetStatusWidths(5, widths);
    // A note, such as the deviation in numbers, shows whole for its few
    // seconds: the prisms and the head posture give it the room they must.
    const wxString note = m_statusBar->GetStatusText(0);
    wxRect field;
    if (note.empty() || !m_statusBar->GetFieldRect(0, field))
        return;
    const int missing = m_statusBar->GetTextExtent(note).GetWidth() + kFieldMargin - field.width;
    if (missing > 0 && prism > 0) {
        widths[4] = kSizeGripRoom + std::max(0, prism - missing);
        m_statusBar->SetStatusWidths(5, widths);
    }
}

void PatientFrame::ApplyWindowTexts()
{
    SetTitle(Text(Text::ProductTitle));
    m_eyeBox1->SetLabel(Text(Text::EyeGroup1));
    m_eyeBox2->SetLabel(Text(Text::EyeGroup2));
    for (int row = 0; row < kEyeQuantityCount; ++row) {
        m_quantityLabels1[row]->SetLabel(Text(kQuantityControls[row].labelString));
        m_quantityLabels2[row]->SetLabel(Text(kQuantityControls[kEyeQuantityCount + row].labelString));
    }
    if (IsPlaybackMode()) {
        m_quantityLabels1[kQualityRow]->SetLabel(Text(Text::QualityRowLabel));
        m_quantityLabels2[kQualityRow]->SetLabel(Text(Text::QualityRowLabel));
    }
    m_blendLabelTop->SetLabel(Text(Text::FarLabel));
    m_blendLabelBottom->SetLabel(Text(Text::NearLabel));
    m_coverLabel1->SetLabel(Text(Text::FixingEyeLabel1));
    m_coverLabel2->SetLabel(Text(Text::FixingEyeLabel2));
    const bool manifest = GetMenuBar()->IsChecked(Id::ModeManifest);
    m_statusBar->SetStatusText(Text(manifest ? Text::ManifestModeStatus : Text::LatentModeStatus), 3);
    // The prism bases and the head posture are words of the language too.
    ShowPrismStatus();
    FitControlsToTexts();
}
