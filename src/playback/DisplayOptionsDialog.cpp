#include "playback/DisplayOptionsDialog.h"

#include "widgets/ScreenText.h"
#include "lang/DecimalMark.h"
#include "lang/LanguageTable.h"
#include "lang/Latin1.h"
#include "lang/TextIds.h"
#include "playback/ColourPicker.h"
#include "playback/DisplayOptionValues.h"

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/layout.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace Ids = DisplayOptionsId;

wxBEGIN_EVENT_TABLE(DisplayOptionsDialog, wxDialog)
    EVT_COMMAND_RANGE(Ids::PanelColourButton, Ids::AxisColourButton, wxEVT_BUTTON, DisplayOptionsDialog::OnColourButton)
    EVT_BUTTON(Ids::ApplyButton, DisplayOptionsDialog::OnApply)
    EVT_RADIOBUTTON(Ids::CoarseRadio, DisplayOptionsDialog::OnSegmentsRadio)
    EVT_RADIOBUTTON(Ids::MediumRadio, DisplayOptionsDialog::OnSegmentsRadio)
    EVT_RADIOBUTTON(Ids::FineRadio, DisplayOptionsDialog::OnSegmentsRadio)
    EVT_CHECKBOX(Ids::ThresholdCheck, DisplayOptionsDialog::OnThresholdCheck)
    EVT_TEXT_ENTER(Ids::ThresholdText, DisplayOptionsDialog::OnThresholdEnter)
    EVT_BUTTON(Ids::OkButton, DisplayOptionsDialog::OnCloseButton)
    EVT_BUTTON(Ids::CancelButton, DisplayOptionsDialog::OnCloseButton)
wxEND_EVENT_TABLE()

namespace {

struct ColourButton {
    int id;
    ColourSlot slot;
};
constexpr ColourButton kColourButtons[] = {
    {Ids::PanelColourButton, panelColourSlot},           {Ids::TextColourButton, textColourSlot},
    {Ids::BackgroundColourButton, backgroundColourSlot}, {Ids::RedFilterColourButton, redFilterColourSlot},
    {Ids::OccluderColourButton, occluderColourSlot},     {Ids::QuadrantColourButton, quadrantColourSlot},
    {Ids::CrossColourButton, crossColourSlot},           {Ids::AxisColourButton, axisColourSlot},
};

ColourSlot SlotOfButton(int id)
{
    for (const ColourButton& button : kColourButtons)
        if (button.id == id)
            return button.slot;
    return colourSlotCount;
}

// Eyeball segment counts of the radio buttons 514, 515 and 516.
constexpr int kSegmentChoices[] = {15, 22, 45};

// The size of the dialog's texts that its positions were drawn for.
constexpr int kFontPoints = 8;

// Room the dialog keeps right of the notebook for its buttons.
constexpr int kButtonColumn = 90;
constexpr int kKappaRowHeight = 20;
constexpr int kButtonInset = 82;
const wxSize kButtonSize(69, 22);
constexpr int kOkFromBottom = 120;
constexpr int kApplyFromBottom = 90;
constexpr int kCancelFromBottom = 60;

constexpr int kBoxWidth = 165;
constexpr int kLabelX = 10;
constexpr int kColourButtonX = 130;
const wxSize kColourButtonSize(18, 18);
constexpr int kAlphaRowY = 40;
const wxPoint kSliderOffset(100, 43);
const wxSize kSliderSize(60, 15);

// Constrains window to (x, y) from reference's top left corner (its parent
// or a sibling) with a fixed size; a side of -1 keeps the window's own.
void Place(wxWindow* window, wxWindow* reference, int x, int y, int width = -1, int height = -1)
{
    auto* c = new wxLayoutConstraints;
    c->left.SameAs(reference, wxLeft, x);
    c->top.SameAs(reference, wxTop, y);
    if (width >= 0)
        c->width.Absolute(width);
    else
        c->width.AsIs();
    if (height >= 0)
        c->height.Absolute(height);
    else
        c->height.AsIs();
    window->SetConstraints(c);
}

// A field in one colour, lying on its colour button; a click on it is a click
// on the button. It takes no input of its own.
class ColourSwatch : public wxWindow {
public:
    ColourSwatch(wxWindow* parent, wxWindow* button)
        : wxWindow(parent, wxID_ANY, button->GetPosition(), button->GetSize(), wxBORDER_SIMPLE), m_button(button)
    {
        Bind(wxEVT_LEFT_UP, &ColourSwatch::OnClick, this);
    }
    bool AcceptsFocus() const override { return false; }
    bool AcceptsFocusFromKeyboard() const override { return false; }

private:
    void OnClick(wxMouseEvent&)
    {
        wxCommandEvent click(wxEVT_BUTTON, m_button->GetId());
        click.SetEventObject(m_button);
        m_button->GetEventHandler()->ProcessEvent(click);
    }
    wxWindow* m_button;
};

// The threshold as its field shows it, with the language's decimal mark.
wxString ShownThreshold(double threshold, const LanguageTable* languageTable)
{
    const std::string mark = languageTable ? languageTable->Get(Text::DecimalMark) : ".";
    return FromLatin1(WithDecimalMark(FormatThreshold(threshold), mark));
}

}  // namespace

DisplayOptionsDialog::DisplayOptionsDialog(wxWindow* parent, const wxString&, const wxPoint& pos, const wxSize& size,
                                           int eyeSegments, const Colours& colours, float redFilterAlpha,
                                           float occluderAlpha, float quadrantAlpha, float qualityThreshold,
                                           const DisplaySwitches& switches, const LanguageTable* languageTable,
                                           ApplyVisual applyVisual)
    : wxDialog(parent, wxID_ANY, wxEmptyString, pos, wxDefaultSize, wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      m_applyVisual(std::move(applyVisual)), m_languageTable(languageTable), m_colours(colours),
      m_segmentsChoice(eyeSegments)
{
    SetTitle(Text(Text::DisplayOptions));
    // Larger default fonts would cut the labels off.
    wxFont font = GetFont();
    font.SetPointSize(kFontPoints);
    SetFont(font);
    CreateControls(size);

    m_alphaSliders[0]->SetValue(AlphaToSliderValue(redFilterAlpha));
    m_alphaSliders[1]->SetValue(AlphaToSliderValue(occluderAlpha));
    m_alphaSliders[2]->SetValue(AlphaToSliderValue(quadrantAlpha));

    m_noSegmentsRadio->SetValue(true);
    for (std::size_t i = 0; i < m_segmentsRadios.size(); ++i)
        if (kSegmentChoices[i] == eyeSegments)
            m_segmentsRadios[i]->SetValue(true);

    m_thresholdText->ChangeValue(ShownThreshold(qualityThreshold, m_languageTable));
    m_thresholdCheck->SetValue(qualityThreshold != 0);
    m_thresholdText->Enable(qualityThreshold != 0);

    m_hintCheck1->SetValue(switches.bothEyesHint);
    m_hintCheck2->SetValue(switches.coverHint);
    m_kappaCheck->SetValue(switches.angleKappa);
    m_cycloCheck->SetValue(switches.cycloStaysUnderCover);

    RefreshSwatches();
}

wxString DisplayOptionsDialog::Text(int n) const
{
    return m_languageTable ? FitLabel(FromLatin1(m_languageTable->Get(n))) : wxString();
}

void DisplayOptionsDialog::CreateControls(const wxSize& requested)
{
    // The general page's angle kappa switch takes one row below the hints.
    const wxSize size(requested.GetWidth(), requested.GetHeight() + kKappaRowHeight);
    // Positions below count from the inside of the frame, as on the platform
    // the layout was drawn for. The dialog was created without a size: GTK
    // keeps a stale size request when a fixed-size dialog's client size is
    // set to the size it already has.
    SetClientSize(size);
    SetAutoLayout(true);

    auto* panel = new wxPanel(this, wxID_ANY);
    panel->SetAutoLayout(true);
    auto* c = new wxLayoutConstraints;
    c->left.SameAs(this, wxLeft);
    c->top.SameAs(this, wxTop);
    c->right.SameAs(this, wxRight, kButtonColumn);
    c->height.SameAs(panel, wxWidth);
    panel->SetConstraints(c);

    m_notebook = new wxNotebook(panel, Ids::Notebook, wxDefaultPosition, wxDefaultSize, 0, "notebook");
    c = new wxLayoutConstraints;
    c->left.SameAs(panel, wxLeft);
    c->top.SameAs(panel, wxTop);
    c->right.SameAs(panel, wxRight);
    c->bottom.SameAs(panel, wxBottom);
    m_notebook->SetConstraints(c);

    CreateColourPage();
    CreateCoverPage();
    CreateQuadrantPage();
    CreateGeneralPage();

    const struct {
        int id;
        int text;
        int fromBottom;
    } buttons[] = {{Ids::OkButton, Text::OkButton, kOkFromBottom},
                   {Ids::ApplyButton, Text::ApplyButton, kApplyFromBottom},
                   {Ids::CancelButton, Text::CancelButton, kCancelFromBottom}};
    for (const auto& place : buttons) {
        auto* button = new wxButton(this, place.id, Text(place.text), wxDefaultPosition, kButtonSize);
        c = new wxLayoutConstraints;
        c->left.SameAs(this, wxRight, -kButtonInset);
        // The buttons keep their place above the row added for angle kappa.
        c->top.SameAs(this, wxBottom, -(place.fromBottom + kKappaRowHeight));
        c->width.Absolute(kButtonSize.x);
        c->height.Absolute(kButtonSize.y);
        button->SetConstraints(c);
    }
    SetEscapeId(Ids::CancelButton);
    // GTK draws every tab with its padding and hides the tabs that do not
    // fit, so the dialog widens until all four show.
    constexpr int kTabPadding = 38;
    int tabsWidth = 0;
    for (std::size_t i = 0; i < m_notebook->GetPageCount(); ++i)
        tabsWidth += m_notebook->GetTextExtent(m_notebook->GetPageText(i)).GetWidth() + kTabPadding;
    if (tabsWidth + kButtonColumn > size.GetWidth())
        SetClientSize(tabsWidth + kButtonColumn, size.GetHeight());
    Layout();
    // Pages are laid out on their first size event, which a page not yet
    // shown may never have had.
    for (std::size_t i = 0; i < m_notebook->GetPageCount(); ++i)
        m_notebook->GetPage(i)->Layout();
}

wxWindow* DisplayOptionsDialog::AddPage(int tabText, bool selected)
{
    auto* page = new wxPanel(m_notebook, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxNO_BORDER | wxTAB_TRAVERSAL);
    page->SetAutoLayout(true);
    m_notebook->AddPage(page, Text(tabText), selected);
    return page;
}

void DisplayOptionsDialog::AddColourRow(wxWindow* page, wxWindow* box, int labelText, int buttonId, int y)
{
    Place(new wxStaticText(page, wxID_ANY, Text(labelText)), box, kLabelX, y);
    // An empty picture: the swatch on top shows the colour.
    wxBitmap blank(kColourButtonSize.x, kColourButtonSize.y);
    auto* button = new wxBitmapButton(page, buttonId, blank, wxDefaultPosition, kColourButtonSize);
    Place(button, box, kColourButtonX, y, kColourButtonSize.x, kColourButtonSize.y);
    auto* swatch = new ColourSwatch(page, button);
    Place(swatch, box, kColourButtonX, y, kColourButtonSize.x, kColourButtonSize.y);
    m_colourSwatches[SlotOfButton(buttonId)] = swatch;
}

wxSlider* DisplayOptionsDialog::AddAlphaRow(wxWindow* page, wxWindow* box, int labelText, int sliderId)
{
    Place(new wxStaticText(page, wxID_ANY, Text(labelText)), box, kLabelX, kAlphaRowY);
    auto* slider = new wxSlider(page, sliderId, 0, 0, 100, wxDefaultPosition, kSliderSize, wxSL_HORIZONTAL);
    Place(slider, box, kSliderOffset.x, kSliderOffset.y, kSliderSize.x, kSliderSize.y);
    return slider;
}

void DisplayOptionsDialog::CreateColourPage()
{
    wxWindow* page = AddPage(Text::ColoursTab, true);
    auto* box = new wxStaticBox(page, wxID_ANY, Text(Text::OptionsGroupBox));
    Place(box, page, 10, 10, kBoxWidth, 124);
    AddColourRow(page, box, Text::PanelColourLabel, Ids::PanelColourButton, 20);
    AddColourRow(page, box, Text::BackgroundColourLabel, Ids::BackgroundColourButton, 40);
    AddColourRow(page, box, Text::TextColourLabel, Ids::TextColourButton, 60);
    AddColourRow(page, box, Text::CrossColourLabel, Ids::CrossColourButton, 80);
    AddColourRow(page, box, Text::AxisColourLabel, Ids::AxisColourButton, 100);
}

void DisplayOptionsDialog::CreateCoverPage()
{
    wxWindow* page = AddPage(Text::CoverTab, false);
    auto* redFilterBox = new wxStaticBox(page, wxID_ANY, Text(Text::OptionsGroupBox));
    Place(redFilterBox, page, 10, 10, kBoxWidth, 65);
    AddColourRow(page, redFilterBox, Text::RedFilterColourLabel, Ids::RedFilterColourButton, 20);
    m_alphaSliders[0] = AddAlphaRow(page, redFilterBox, Text::RedFilterAlphaLabel, Ids::RedFilterAlphaSlider);

    auto* occluderBox = new wxStaticBox(page, wxID_ANY, Text(Text::OptionsGroupBox));
    Place(occluderBox, page, 10, 85, kBoxWidth, 65);
    AddColourRow(page, occluderBox, Text::OccluderColourLabel, Ids::OccluderColourButton, 20);
    m_alphaSliders[1] = AddAlphaRow(page, occluderBox, Text::OccluderAlphaLabel, Ids::OccluderAlphaSlider);

    // The label is long: a wrapped text beside a bare box keeps it on the page.
    m_cycloCheck = new wxCheckBox(page, wxID_ANY, wxEmptyString);
    Place(m_cycloCheck, page, 10, 158);
    auto* cycloLabel = new wxStaticText(page, wxID_ANY, Text(Text::CycloStaysOption));
    cycloLabel->Wrap(kBoxWidth);
    Place(cycloLabel, page, 32, 158);
}

void DisplayOptionsDialog::CreateQuadrantPage()
{
    wxWindow* page = AddPage(Text::QuadrantTab, false);
    auto* box = new wxStaticBox(page, wxID_ANY, Text(Text::OptionsGroupBox));
    Place(box, page, 10, 10, kBoxWidth, 65);
    AddColourRow(page, box, Text::QuadrantColourLabel, Ids::QuadrantColourButton, 20);
    m_alphaSliders[2] = AddAlphaRow(page, box, Text::QuadrantAlphaLabel, Ids::QuadrantAlphaSlider);
}

void DisplayOptionsDialog::CreateGeneralPage()
{
    wxWindow* page = AddPage(Text::GeneralTab, false);

    // A plain frame around the three radio buttons: a radio box without items.
    auto* eyeballBox = new wxStaticBox(page, Ids::EyeballBox, Text(Text::EyeballBox));
    Place(eyeballBox, page, 10, 10, 90, 90);
    const int radioTexts[] = {Text::EyeballCoarse, Text::EyeballMedium, Text::EyeballFine};
    for (std::size_t i = 0; i < m_segmentsRadios.size(); ++i) {
        m_segmentsRadios[i] = new wxRadioButton(page, Ids::CoarseRadio + static_cast<int>(i), Text(radioTexts[i]),
                                                wxDefaultPosition, wxDefaultSize, i == 0 ? wxRB_GROUP : 0);
        Place(m_segmentsRadios[i], eyeballBox, 10, 20 + 20 * static_cast<int>(i));
    }
    m_noSegmentsRadio = new wxRadioButton(page, wxID_ANY, wxEmptyString);
    m_noSegmentsRadio->Hide();

    auto* thresholdBox = new wxStaticBox(page, wxID_ANY, Text(Text::ThresholdBox));
    Place(thresholdBox, page, 110, 10, 115, 65);
    m_thresholdCheck = new wxCheckBox(page, Ids::ThresholdCheck, Text(Text::ThresholdCheck));
    Place(m_thresholdCheck, thresholdBox, 10, 20, 100, 15);
    Place(new wxStaticText(page, wxID_ANY, Text(Text::ThresholdLabel)), thresholdBox, 10, 40, 30, 15);
    m_thresholdText =
        new wxTextCtrl(page, Ids::ThresholdText, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxTE_PROCESS_ENTER);
    Place(m_thresholdText, thresholdBox, 42, 38, 60, 18);

    m_hintCheck1 = new wxCheckBox(page, wxID_ANY, Text(Text::BothEyesHintCheck));
    Place(m_hintCheck1, page, 10, 110, 210, 15);
    m_hintCheck2 = new wxCheckBox(page, wxID_ANY, Text(Text::TorsionHintCheck));
    Place(m_hintCheck2, page, 10, 130, 200, 15);
    m_kappaCheck = new wxCheckBox(page, wxID_ANY, Text(Text::AngleKappaCheck));
    Place(m_kappaCheck, page, 10, 150);
}

float DisplayOptionsDialog::RedFilterAlpha() const
{
    return SliderValueToAlpha(m_alphaSliders[0]->GetValue());
}

float DisplayOptionsDialog::OccluderAlpha() const
{
    return SliderValueToAlpha(m_alphaSliders[1]->GetValue());
}

float DisplayOptionsDialog::QuadrantAlpha() const
{
    return SliderValueToAlpha(m_alphaSliders[2]->GetValue());
}

float DisplayOptionsDialog::QualityThreshold() const
{
    if (!m_thresholdCheck->GetValue())
        return 0;
    return static_cast<float>(ParseThreshold(m_thresholdText->GetValue().utf8_string()));
}

bool DisplayOptionsDialog::ShowBothEyesHint() const
{
    return m_hintCheck1->GetValue();
}

bool DisplayOptionsDialog::AngleKappa() const
{
    return m_kappaCheck->GetValue();
}

bool DisplayOptionsDialog::CycloStaysUnderCover() const
{
    return m_cycloCheck->GetValue();
}

bool DisplayOptionsDialog::ShowCoverHint() const
{
    return m_hintCheck2->GetValue();
}

void DisplayOptionsDialog::ApplyVisualSettings() const
{
    if (m_applyVisual)
        m_applyVisual(*this);
}

void DisplayOptionsDialog::RefreshSwatches()
{
    for (const ColourButton& button : kColourButtons)
        m_colourSwatches[button.slot]->SetBackgroundColour(m_colours[button.slot]);
    Refresh(true);
    for (wxWindow* swatch : m_colourSwatches)
        swatch->Refresh(true);
}

void DisplayOptionsDialog::OnColourButton(wxCommandEvent& event)
{
    const ColourSlot slot = SlotOfButton(event.GetId());
    if (slot == colourSlotCount)
        return;
    if (const std::optional<wxColour> colour = PickColour(this)) {
        m_colours[slot] = *colour;
        RefreshSwatches();
    }
}

void DisplayOptionsDialog::OnApply(wxCommandEvent&)
{
    ApplyVisualSettings();
}

void DisplayOptionsDialog::OnSegmentsRadio(wxCommandEvent& event)
{
    const int index = event.GetId() - Ids::CoarseRadio;
    if (index >= 0 && index < static_cast<int>(std::size(kSegmentChoices)))
        m_segmentsChoice = kSegmentChoices[index];
}

void DisplayOptionsDialog::OnThresholdCheck(wxCommandEvent&)
{
    m_thresholdText->Enable(m_thresholdCheck->GetValue());
}

void DisplayOptionsDialog::OnThresholdEnter(wxCommandEvent&)
{
    m_thresholdText->ChangeValue(
        ShownThreshold(ParseThreshold(m_thresholdText->GetValue().utf8_string()), m_languageTable));
}

void DisplayOptionsDialog::OnCloseButton(wxCommandEvent& event)
{
    EndModal(event.GetId());
}
