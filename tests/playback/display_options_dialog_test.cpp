// The display options dialog: its controls, Apply, OK and Cancel, and the
// main window and view after it closed.
#include "FrameDriver.h"
#include "FrameFixture.h"
#include "widgets/Ids.h"
#include "LanguageFile.h"
#include "TestDialogs.h"

#include "app/PatientApp.h"
#include "lang/TextIds.h"
#include "playback/ColourPicker.h"
#include "playback/DisplayOptionsDialog.h"
#include "view/EyesCanvas.h"

#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/slider.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <GL/gl.h>

#include <functional>
#include <vector>

namespace Ids = DisplayOptionsId;

namespace {

template <typename Control>
Control* Find(DisplayOptionsDialog& dialog, int id)
{
    auto* control = wxDynamicCast(dialog.FindWindow(id), Control);
    EXPECT_NE(control, nullptr) << id;
    return control;
}

void Send(wxWindow* control, wxEventType type, int value = 0)
{
    wxCommandEvent event(type, control->GetId());
    event.SetEventObject(control);
    event.SetInt(value);
    control->GetEventHandler()->ProcessEvent(event);
}

void Click(DisplayOptionsDialog& dialog, int buttonId)
{
    Send(dialog.FindWindow(buttonId), wxEVT_BUTTON);
}

void Tick(wxCheckBox* box, bool ticked)
{
    box->SetValue(ticked);
    Send(box, wxEVT_CHECKBOX, ticked);
}

void Choose(DisplayOptionsDialog& dialog, int radioId)
{
    auto* radio = Find<wxRadioButton>(dialog, radioId);
    radio->SetValue(true);
    Send(radio, wxEVT_RADIOBUTTON, 1);
}

void TypeAndEnter(DisplayOptionsDialog& dialog, const wxString& text)
{
    auto* field = Find<wxTextCtrl>(dialog, Ids::ThresholdText);
    field->ChangeValue(text);
    Send(field, wxEVT_TEXT_ENTER);
}

void Slide(DisplayOptionsDialog& dialog, int sliderId, int value)
{
    Find<wxSlider>(dialog, sliderId)->SetValue(value);
}

// Picks colours as the user would in the colour dialog, one answer per
// request; nullopt is a cancelled dialog.
class ColourAnswers {
public:
    explicit ColourAnswers(std::vector<std::optional<wxColour>> answers)
        : m_answers(std::move(answers)), m_picker([this](wxWindow* parent) {
              m_parents.push_back(parent);
              if (m_parents.size() > m_answers.size()) {
                  ADD_FAILURE() << "more colour dialogs than answers";
                  return std::optional<wxColour>();
              }
              return m_answers[m_parents.size() - 1];
          })
    {}
    std::size_t Asked() const { return m_parents.size(); }
    wxWindow* Parent(std::size_t i) const { return m_parents.at(i); }

private:
    std::vector<std::optional<wxColour>> m_answers;
    std::vector<wxWindow*> m_parents;
    ScopedColourPicker m_picker;
};

}  // namespace

class DisplayOptionsTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        CopyDataFile("English.lan");
        ASSERT_TRUE(StartProgram());
    }

    void RunDialog(std::function<int(DisplayOptionsDialog&)> answer)
    {
        wxTEST_DIALOG(SendCommand(Id::DisplayOptions), wxExpectModal<DisplayOptionsDialog>(std::move(answer)));
    }

    EyesCanvas& Canvas() { return m_frame->View(); }
};

TEST_F(DisplayOptionsTest, LayoutOfButtonsNotebookAndPages)
{
    const ShippedLanguage english("English.lan");
    RunDialog([&](DisplayOptionsDialog& dialog) {
        EXPECT_EQ(dialog.GetTitle(), english(Text::DisplayOptions));
        // Wider than its 330 pixels only where the four tabs need it.
        const int width = dialog.GetClientSize().GetWidth();
        EXPECT_GE(width, 330);
        // 205 pixels and one row for the angle kappa switch.
        EXPECT_EQ(dialog.GetClientSize().GetHeight(), 225);
        const struct {
            int id;
            int text;
            wxPoint pos;
        } buttons[] = {{Ids::OkButton, Text::OkButton, {width - 82, 85}},
                       {Ids::ApplyButton, Text::ApplyButton, {width - 82, 115}},
                       {Ids::CancelButton, Text::CancelButton, {width - 82, 145}}};
        for (const auto& button : buttons) {
            wxWindow* control = dialog.FindWindow(button.id);
            if (!control) {
                ADD_FAILURE() << "no control " << button.id;
                continue;
            }
            EXPECT_EQ(control->GetRect(), wxRect(button.pos, wxSize(69, 22))) << button.id;
            EXPECT_EQ(control->GetLabel(), english(button.text)) << button.id;
        }

        auto* notebook = Find<wxNotebook>(dialog, Ids::Notebook);
        EXPECT_EQ(notebook->GetName(), "notebook");
        EXPECT_EQ(notebook->GetParent()->GetRect(), wxRect(0, 0, width - 90, width - 90));
        EXPECT_EQ(notebook->GetRect(), wxRect(0, 0, width - 90, width - 90));
        int tabTexts = 0;
        for (std::size_t i = 0; i < notebook->GetPageCount(); ++i)
            tabTexts += notebook->GetTextExtent(notebook->GetPageText(i)).GetWidth();
        EXPECT_GT(notebook->GetSize().GetWidth(), tabTexts + 4 * 24) << "every tab shows with its padding";
        EXPECT_EQ(notebook->GetPageCount(), 4u);
        const int tabs[] = {Text::ColoursTab, Text::CoverTab, Text::QuadrantTab, Text::GeneralTab};
        for (std::size_t i = 0; i < notebook->GetPageCount() && i < 4; ++i)
            EXPECT_EQ(notebook->GetPageText(i), english(tabs[i])) << i;
        EXPECT_EQ(notebook->GetSelection(), 0);

        // Rows count from their box; the swatch lies on its button.
        const struct {
            int id;
            wxPoint pos;
        } colourButtons[] = {{505, {140, 30}},  {507, {140, 50}}, {506, {140, 70}},  {511, {140, 90}},
                             {512, {140, 110}}, {509, {140, 30}}, {508, {140, 105}}, {510, {140, 30}}};
        for (const auto& button : colourButtons) {
            wxWindow* control = dialog.FindWindow(button.id);
            if (!control) {
                ADD_FAILURE() << "no control " << button.id;
                continue;
            }
            EXPECT_EQ(control->GetRect(), wxRect(button.pos, wxSize(18, 18))) << button.id;
        }
        EXPECT_EQ(dialog.Swatch(panelColourSlot)->GetRect(), dialog.FindWindow(505)->GetRect());
        EXPECT_EQ(dialog.Swatch(occluderColourSlot)->GetRect(), dialog.FindWindow(508)->GetRect());
        EXPECT_EQ(dialog.FindWindow(502)->GetRect(), wxRect(110, 53, 60, 15));
        EXPECT_EQ(dialog.FindWindow(503)->GetRect(), wxRect(110, 128, 60, 15));
        EXPECT_EQ(dialog.FindWindow(504)->GetRect(), wxRect(110, 53, 60, 15));
        EXPECT_EQ(dialog.FindWindow(Ids::EyeballBox)->GetRect(), wxRect(10, 10, 90, 90));
        EXPECT_EQ(dialog.FindWindow(514)->GetPosition(), wxPoint(20, 30));
        EXPECT_EQ(dialog.FindWindow(516)->GetPosition(), wxPoint(20, 70));
        EXPECT_EQ(dialog.FindWindow(Ids::ThresholdCheck)->GetRect(), wxRect(120, 30, 100, 15));
        EXPECT_EQ(dialog.FindWindow(Ids::ThresholdText)->GetPosition(), wxPoint(152, 48));
        EXPECT_EQ(dialog.HintCheck1()->GetPosition(), wxPoint(10, 110));
        EXPECT_EQ(dialog.HintCheck2()->GetPosition(), wxPoint(10, 130));
        EXPECT_EQ(dialog.HintCheck1()->GetLabel(), english(Text::BothEyesHintCheck));
        EXPECT_EQ(dialog.HintCheck2()->GetLabel(), english(Text::TorsionHintCheck));
        return Ids::CancelButton;
    });
}

TEST_F(DisplayOptionsTest, OpensWithTheLiveSettings)
{
    drive::ChooseDisplayOptions(m_frame, [](DisplayOptionsDialog& dialog) {
        Tick(Find<wxCheckBox>(dialog, Ids::ThresholdCheck), true);
        TypeAndEnter(dialog, "0.5");
        dialog.HintCheck1()->SetValue(false);
        dialog.HintCheck2()->SetValue(true);
    });
    Canvas().m_eyeSegments = 45;
    Canvas().m_redFilterAlpha = 0.2f;
    Canvas().m_occluderAlpha = 0.35f;
    Canvas().m_quadrantAlpha = 0.6f;
    RunDialog([&](DisplayOptionsDialog& dialog) {
        EXPECT_FALSE(Find<wxRadioButton>(dialog, Ids::CoarseRadio)->GetValue());
        EXPECT_FALSE(Find<wxRadioButton>(dialog, Ids::MediumRadio)->GetValue());
        EXPECT_TRUE(Find<wxRadioButton>(dialog, Ids::FineRadio)->GetValue());
        EXPECT_EQ(Find<wxSlider>(dialog, Ids::RedFilterAlphaSlider)->GetValue(), 20);
        EXPECT_EQ(Find<wxSlider>(dialog, Ids::OccluderAlphaSlider)->GetValue(), 35);
        EXPECT_EQ(Find<wxSlider>(dialog, Ids::QuadrantAlphaSlider)->GetValue(), 60);
        EXPECT_TRUE(Find<wxCheckBox>(dialog, Ids::ThresholdCheck)->GetValue());
        EXPECT_TRUE(Find<wxTextCtrl>(dialog, Ids::ThresholdText)->IsEnabled());
        EXPECT_EQ(Find<wxTextCtrl>(dialog, Ids::ThresholdText)->GetValue(), "0.50");
        EXPECT_FALSE(dialog.HintCheck1()->GetValue());
        EXPECT_TRUE(dialog.HintCheck2()->GetValue());
        EXPECT_EQ(dialog.Swatch(panelColourSlot)->GetBackgroundColour(), drive::PanelColour(m_frame));
        EXPECT_EQ(dialog.Swatch(textColourSlot)->GetBackgroundColour(), drive::TextColour(m_frame));
        EXPECT_EQ(dialog.Swatch(backgroundColourSlot)->GetBackgroundColour(), Canvas().m_backgroundColour);
        EXPECT_EQ(dialog.Swatch(redFilterColourSlot)->GetBackgroundColour(), Canvas().m_redFilterColour);
        EXPECT_EQ(dialog.Swatch(occluderColourSlot)->GetBackgroundColour(), Canvas().m_occluderColour);
        EXPECT_EQ(dialog.Swatch(quadrantColourSlot)->GetBackgroundColour(), Canvas().m_quadrantColour);
        EXPECT_EQ(dialog.Swatch(crossColourSlot)->GetBackgroundColour(), Canvas().m_crossColour);
        EXPECT_EQ(dialog.Swatch(axisColourSlot)->GetBackgroundColour(), Canvas().m_axisColour);
        return Ids::CancelButton;
    });
}

TEST_F(DisplayOptionsTest, ZeroThresholdStartsSwitchedOffAndTickingShowsZero)
{
    drive::SetQualityThreshold(m_frame, 0);
    RunDialog([](DisplayOptionsDialog& dialog) {
        auto* check = Find<wxCheckBox>(dialog, Ids::ThresholdCheck);
        auto* field = Find<wxTextCtrl>(dialog, Ids::ThresholdText);
        EXPECT_FALSE(check->GetValue());
        EXPECT_FALSE(field->IsEnabled());
        Tick(check, true);
        EXPECT_TRUE(field->IsEnabled());
        EXPECT_EQ(field->GetValue(), "0.00");
        Tick(check, false);
        EXPECT_FALSE(field->IsEnabled());
        return Ids::CancelButton;
    });
}

TEST_F(DisplayOptionsTest, DecimalCommaIsReformattedAndOkStoresIt)
{
    RunDialog([](DisplayOptionsDialog& dialog) {
        Tick(Find<wxCheckBox>(dialog, Ids::ThresholdCheck), true);
        TypeAndEnter(dialog, "0,75");
        EXPECT_EQ(Find<wxTextCtrl>(dialog, Ids::ThresholdText)->GetValue(), "0.75");
        TypeAndEnter(dialog, "abc");
        EXPECT_EQ(Find<wxTextCtrl>(dialog, Ids::ThresholdText)->GetValue(), "0.00");
        TypeAndEnter(dialog, "0,75");
        return Ids::OkButton;
    });
    EXPECT_FLOAT_EQ(m_frame->QualityThreshold(), 0.75f);
}

TEST_F(DisplayOptionsTest, OkTakesTypedTextWithoutEnterAndNothingWhenSwitchedOff)
{
    RunDialog([](DisplayOptionsDialog& dialog) {
        Tick(Find<wxCheckBox>(dialog, Ids::ThresholdCheck), true);
        Find<wxTextCtrl>(dialog, Ids::ThresholdText)->ChangeValue("0,4 rows");
        return Ids::OkButton;
    });
    EXPECT_FLOAT_EQ(m_frame->QualityThreshold(), 0.4f);

    RunDialog([](DisplayOptionsDialog& dialog) {
        EXPECT_EQ(Find<wxTextCtrl>(dialog, Ids::ThresholdText)->GetValue(), "0.40");
        Tick(Find<wxCheckBox>(dialog, Ids::ThresholdCheck), false);
        return Ids::OkButton;
    });
    EXPECT_EQ(m_frame->QualityThreshold(), 0.0f);
}

TEST_F(DisplayOptionsTest, ApplyThenCancelKeepsTheVisualSettingsOnly)
{
    const wxColour chosen(10, 200, 30);
    ColourAnswers answers({chosen});
    drive::SetQualityThreshold(m_frame, 0);
    RunDialog([&](DisplayOptionsDialog& dialog) {
        Click(dialog, Ids::PanelColourButton);
        Slide(dialog, Ids::RedFilterAlphaSlider, 0);
        Slide(dialog, Ids::OccluderAlphaSlider, 100);
        Slide(dialog, Ids::QuadrantAlphaSlider, 37);
        Choose(dialog, Ids::FineRadio);
        Tick(Find<wxCheckBox>(dialog, Ids::ThresholdCheck), true);
        TypeAndEnter(dialog, "0.5");
        dialog.HintCheck1()->SetValue(false);
        dialog.HintCheck2()->SetValue(false);
        Click(dialog, Ids::ApplyButton);
        return Ids::CancelButton;
    });
    EXPECT_EQ(drive::PanelColour(m_frame), chosen);
    EXPECT_EQ(Canvas().m_redFilterAlpha, 0.0f);
    EXPECT_EQ(Canvas().m_occluderAlpha, 1.0f);
    EXPECT_FLOAT_EQ(Canvas().m_quadrantAlpha, 0.37f);
    EXPECT_EQ(Canvas().m_eyeSegments, 45);
    EXPECT_EQ(m_frame->QualityThreshold(), 0.0f);
    EXPECT_TRUE(m_frame->ShowsBothEyesHint());
    EXPECT_TRUE(m_frame->ShowsCoverHint());
}

TEST_F(DisplayOptionsTest, CancelWithoutApplyChangesNothing)
{
    const wxColour before = Canvas().m_backgroundColour;
    ColourAnswers answers({wxColour(1, 2, 3)});
    RunDialog([](DisplayOptionsDialog& dialog) {
        Click(dialog, Ids::BackgroundColourButton);
        Slide(dialog, Ids::QuadrantAlphaSlider, 5);
        Choose(dialog, Ids::CoarseRadio);
        dialog.HintCheck1()->SetValue(false);
        return Ids::CancelButton;
    });
    EXPECT_EQ(Canvas().m_backgroundColour, before);
    EXPECT_FLOAT_EQ(Canvas().m_quadrantAlpha, 0.6f);
    EXPECT_EQ(Canvas().m_eyeSegments, 22);
    EXPECT_TRUE(m_frame->ShowsBothEyesHint());
}

TEST_F(DisplayOptionsTest, EachColourButtonEditsItsOwnItem)
{
    // Buttons in id order; each gets a colour of its own.
    const int buttons[] = {505, 506, 507, 508, 509, 510, 511, 512};
    std::vector<std::optional<wxColour>> colours;
    for (int i = 0; i < 8; ++i)
        colours.push_back(wxColour(20 * i + 1, 255 - 20 * i, 7 * i));
    ColourAnswers answers(colours);
    RunDialog([&](DisplayOptionsDialog& dialog) {
        for (int id : buttons)
            Click(dialog, id);
        return Ids::OkButton;
    });
    ASSERT_EQ(answers.Asked(), 8u);
    EXPECT_EQ(drive::PanelColour(m_frame), *colours[0]);
    EXPECT_EQ(drive::TextColour(m_frame), *colours[1]);
    EXPECT_EQ(Canvas().m_backgroundColour, *colours[2]);
    EXPECT_EQ(Canvas().m_occluderColour, *colours[3]);
    EXPECT_EQ(Canvas().m_redFilterColour, *colours[4]);
    EXPECT_EQ(Canvas().m_quadrantColour, *colours[5]);
    EXPECT_EQ(Canvas().m_crossColour, *colours[6]);
    EXPECT_EQ(Canvas().m_axisColour, *colours[7]);
}

TEST_F(DisplayOptionsTest, CancelledColourDialogLeavesTheSlot)
{
    const wxColour cross = Canvas().m_crossColour;
    ColourAnswers answers({std::nullopt, wxColour(9, 9, 9)});
    RunDialog([&](DisplayOptionsDialog& dialog) {
        Click(dialog, Ids::CrossColourButton);
        EXPECT_EQ(dialog.WorkingColours()[crossColourSlot], cross);
        EXPECT_EQ(dialog.Swatch(crossColourSlot)->GetBackgroundColour(), cross);
        EXPECT_EQ(answers.Parent(0), &dialog);
        // A click on the swatch is a click on its button.
        wxMouseEvent click(wxEVT_LEFT_UP);
        dialog.Swatch(axisColourSlot)->GetEventHandler()->ProcessEvent(click);
        EXPECT_EQ(dialog.WorkingColours()[axisColourSlot], wxColour(9, 9, 9));
        EXPECT_EQ(dialog.Swatch(axisColourSlot)->GetBackgroundColour(), wxColour(9, 9, 9));
        return Ids::OkButton;
    });
    EXPECT_EQ(Canvas().m_crossColour, cross);
    EXPECT_EQ(Canvas().m_axisColour, wxColour(9, 9, 9));
}

TEST_F(DisplayOptionsTest, UnknownSegmentCountSelectsNoRadioAndStays)
{
    Canvas().m_eyeSegments = 30;
    RunDialog([](DisplayOptionsDialog& dialog) {
        for (int id : {Ids::CoarseRadio, Ids::MediumRadio, Ids::FineRadio})
            EXPECT_FALSE(Find<wxRadioButton>(dialog, id)->GetValue()) << id;
        EXPECT_EQ(dialog.SegmentsChoice(), 30);
        return Ids::OkButton;
    });
    EXPECT_EQ(Canvas().m_eyeSegments, 30);

    RunDialog([](DisplayOptionsDialog& dialog) {
        Choose(dialog, Ids::MediumRadio);
        EXPECT_EQ(dialog.SegmentsChoice(), 22);
        Choose(dialog, Ids::CoarseRadio);
        return Ids::OkButton;
    });
    EXPECT_EQ(Canvas().m_eyeSegments, 15);
}

TEST_F(DisplayOptionsTest, SliderEndsGiveAlphasZeroAndOne)
{
    RunDialog([](DisplayOptionsDialog& dialog) {
        Slide(dialog, Ids::RedFilterAlphaSlider, 100);
        Slide(dialog, Ids::OccluderAlphaSlider, 0);
        Slide(dialog, Ids::QuadrantAlphaSlider, 100);
        return Ids::OkButton;
    });
    EXPECT_EQ(Canvas().m_redFilterAlpha, 1.0f);
    EXPECT_EQ(Canvas().m_occluderAlpha, 0.0f);
    EXPECT_EQ(Canvas().m_quadrantAlpha, 1.0f);
}

TEST_F(DisplayOptionsTest, OkTakesHintsAndRepaintsPanelsAndView)
{
    const wxColour panel(210, 180, 140);
    const wxColour text(0, 0, 128);
    const wxColour background(200, 100, 50);
    ColourAnswers answers({panel, text, background});
    RunDialog([](DisplayOptionsDialog& dialog) {
        Click(dialog, Ids::PanelColourButton);
        Click(dialog, Ids::TextColourButton);
        Click(dialog, Ids::BackgroundColourButton);
        dialog.HintCheck1()->SetValue(false);
        dialog.HintCheck2()->SetValue(false);
        return Ids::OkButton;
    });
    EXPECT_FALSE(m_frame->ShowsBothEyesHint());
    EXPECT_FALSE(m_frame->ShowsCoverHint());
    EXPECT_EQ(drive::Named<wxPanel>(m_frame, FrameControl::kMainPanel).GetBackgroundColour(), panel);
    EXPECT_EQ(drive::Named<wxStaticText>(m_frame, FrameControl::QuantityLabel(1, 0)).GetBackgroundColour(), panel);
    EXPECT_EQ(drive::Named<wxStaticText>(m_frame, FrameControl::QuantityLabel(2, 5)).GetForegroundColour(), text);

    ASSERT_TRUE(Canvas().Render());
    unsigned char pixel[3] = {};
    glReadBuffer(GL_BACK);
    glReadPixels(1, 1, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, pixel);
    // The view clears with components scaled by 1/256.
    EXPECT_NEAR(pixel[0], 199, 1);
    EXPECT_NEAR(pixel[1], 100, 1);
    EXPECT_NEAR(pixel[2], 50, 1);
}

TEST_F(DisplayOptionsTest, SettingsFileKeepsWhatOkApplied)
{
    const wxColour quadrant(90, 80, 70);
    const wxColour axis(1, 128, 2);
    ColourAnswers answers({quadrant, axis});
    RunDialog([](DisplayOptionsDialog& dialog) {
        Click(dialog, Ids::QuadrantColourButton);
        Click(dialog, Ids::AxisColourButton);
        Slide(dialog, Ids::RedFilterAlphaSlider, 45);
        Slide(dialog, Ids::OccluderAlphaSlider, 5);
        Slide(dialog, Ids::QuadrantAlphaSlider, 80);
        Choose(dialog, Ids::CoarseRadio);
        Tick(Find<wxCheckBox>(dialog, Ids::ThresholdCheck), true);
        TypeAndEnter(dialog, "0,3");
        dialog.HintCheck2()->SetValue(false);
        EXPECT_TRUE(dialog.KappaCheck()->GetValue());
        dialog.KappaCheck()->SetValue(false);
        EXPECT_FALSE(dialog.CycloCheck()->GetValue());
        dialog.CycloCheck()->SetValue(true);
        return Ids::OkButton;
    });
    EXPECT_FALSE(Canvas().m_angleKappa);
    EXPECT_TRUE(m_frame->ExaminationNow().CycloStaysUnderCover());
    ASSERT_TRUE(Restart());
    EXPECT_FALSE(Canvas().m_angleKappa);
    EXPECT_TRUE(m_frame->ExaminationNow().CycloStaysUnderCover());
    EXPECT_EQ(Canvas().m_quadrantColour, quadrant);
    EXPECT_EQ(Canvas().m_axisColour, axis);
    EXPECT_FLOAT_EQ(Canvas().m_redFilterAlpha, 0.45f);
    EXPECT_FLOAT_EQ(Canvas().m_occluderAlpha, 0.05f);
    EXPECT_FLOAT_EQ(Canvas().m_quadrantAlpha, 0.8f);
    EXPECT_EQ(Canvas().m_eyeSegments, 15);
    EXPECT_FLOAT_EQ(m_frame->QualityThreshold(), 0.3f);
    EXPECT_TRUE(m_frame->ShowsBothEyesHint());
    EXPECT_FALSE(m_frame->ShowsCoverHint());

    // The sliders open where they were left.
    RunDialog([](DisplayOptionsDialog& dialog) {
        EXPECT_EQ(Find<wxSlider>(dialog, Ids::RedFilterAlphaSlider)->GetValue(), 45);
        EXPECT_EQ(Find<wxSlider>(dialog, Ids::OccluderAlphaSlider)->GetValue(), 5);
        EXPECT_EQ(Find<wxSlider>(dialog, Ids::QuadrantAlphaSlider)->GetValue(), 80);
        EXPECT_EQ(Find<wxTextCtrl>(dialog, Ids::ThresholdText)->GetValue(), "0.30");
        return Ids::CancelButton;
    });
}
