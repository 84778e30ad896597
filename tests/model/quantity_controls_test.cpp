// The main window's angle controls bound to the eye-position model.
#include "FrameDriver.h"
#include "FrameFixture.h"
#include "LanguageFile.h"
#include "TestDialogs.h"

#include "widgets/AngleSpinButton.h"
#include "widgets/Ids.h"
#include "lang/TextIds.h"
#include "frame/OverlayTimer.h"

#include <wx/checkbox.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/slider.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>

using namespace drive;

namespace {
const std::string kDegree = "\xB0";
}

class QuantityControlsTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        CopyDataFile("English.lan");
        ASSERT_TRUE(StartProgram());
    }
    const EyeModel& Model() const { return m_frame->ExaminationNow().Model(); }
    wxString Status(int field) const { return m_frame->GetStatusBar()->GetStatusText(field); }
};

TEST_F(QuantityControlsTest, TextAtTheFarEndStoresTheFarValueOnly)
{
    ASSERT_EQ(Control<wxSlider>(m_frame, Id::BlendSlider).GetValue(), 1);  // a new case starts at the far end
    TypeAndEnter(m_frame, 400, "12.34");
    EXPECT_EQ(Model().Far(Eye::one, EyeQuantity::horizontal), 1234);
    EXPECT_EQ(Model().Near(Eye::one, EyeQuantity::horizontal), 0);
    EXPECT_EQ(FieldText(m_frame, 400), "+12.34" + kDegree);
    EXPECT_TRUE(m_frame->IsModified());

    Slide(m_frame, Id::BlendSlider, 11);
    EXPECT_EQ(FieldText(m_frame, 400), "  0.00" + kDegree);
    EXPECT_EQ(m_frame->SpinButton(408)->GetValue(), 0);
    TypeAndEnter(m_frame, 400, "-2");
    EXPECT_EQ(Model().Near(Eye::one, EyeQuantity::horizontal), -200);
    EXPECT_EQ(Model().Far(Eye::one, EyeQuantity::horizontal), 1234);
}

TEST_F(QuantityControlsTest, DecimalCommaLettersAndNegatedFields)
{
    TypeAndEnter(m_frame, 400, "1,5");
    EXPECT_EQ(Model().Far(Eye::one, EyeQuantity::horizontal), 150);
    EXPECT_EQ(FieldText(m_frame, 400), "+1.50" + kDegree);

    TypeAndEnter(m_frame, 400, "abc");
    EXPECT_EQ(Model().Far(Eye::one, EyeQuantity::horizontal), 0);
    EXPECT_EQ(FieldText(m_frame, 400), "  0.00" + kDegree);

    // Eye 1's vertical angle is shown negated: typing 1.5 stores -150.
    TypeAndEnter(m_frame, 401, "1.5");
    EXPECT_EQ(Model().Far(Eye::one, EyeQuantity::vertical), -150);
    EXPECT_EQ(FieldText(m_frame, 401), "+1.50" + kDegree);
    EXPECT_EQ(m_frame->SpinButton(406)->GetValue(), -150);
    EXPECT_EQ(Control<wxSlider>(m_frame, Id::GazeSliderEye1Vertical).GetValue(), -150);
}

TEST_F(QuantityControlsTest, BlendBetweenTheEndsShowsTruncatedValuesAndDisablesEditing)
{
    TypeAndEnter(m_frame, 400, "10");  // far end: 1000
    Slide(m_frame, Id::BlendSlider, 6);
    EXPECT_EQ(m_frame->SpinButton(408)->GetValue(), 500);
    EXPECT_EQ(FieldText(m_frame, 400), "+5.00" + kDegree);
    EXPECT_FALSE(m_frame->TextField(400)->IsEnabled());
    EXPECT_FALSE(m_frame->SpinButton(417)->IsEnabled());
    EXPECT_FALSE(Control<wxSlider>(m_frame, Id::GazeSliderEye2Horizontal).IsEnabled());

    Slide(m_frame, Id::BlendSlider, 1);
    EXPECT_TRUE(m_frame->TextField(400)->IsEnabled());
    Slide(m_frame, Id::BlendSlider, 11);
    EXPECT_TRUE(m_frame->TextField(423)->IsEnabled());
    EXPECT_TRUE(Control<wxSlider>(m_frame, Id::GazeSliderEye1Vertical).IsEnabled());

    TypeAndEnter(m_frame, 400, "0.01");  // near 1
    Slide(m_frame, Id::BlendSlider, 1);
    TypeAndEnter(m_frame, 400, "0");  // far 0
    Slide(m_frame, Id::BlendSlider, 2);
    EXPECT_EQ(m_frame->SpinButton(408)->GetValue(), 0);  // 0.1 of 1 truncates to 0
}

TEST_F(QuantityControlsTest, SpinAndGazeSliderEditTheSameValue)
{
    Spin(m_frame, 409, 250);  // eye 2 horizontal, shown negated
    EXPECT_EQ(Model().Far(Eye::two, EyeQuantity::horizontal), 250);
    EXPECT_EQ(Control<wxSlider>(m_frame, Id::GazeSliderEye2Horizontal).GetValue(), 250);
    EXPECT_EQ(FieldText(m_frame, 403), " -2.50" + kDegree);

    Slide(m_frame, Id::GazeSliderEye2Vertical, -75);
    EXPECT_EQ(Model().Far(Eye::two, EyeQuantity::vertical), -75);
    EXPECT_EQ(m_frame->SpinButton(407)->GetValue(), -75);
    EXPECT_EQ(FieldText(m_frame, 404), " -0.75" + kDegree);
}

TEST_F(QuantityControlsTest, TorsionLabelsFollowTheShownSign)
{
    const ShippedLanguage english("English.lan");
    TypeAndEnter(m_frame, 402, "2");
    EXPECT_EQ(Named<wxStaticText>(m_frame, FrameControl::QuantityLabel(1, 2)).GetLabel(), english(Text::IncycloRow));
    TypeAndEnter(m_frame, 405, "2");  // eye 2 torsion is shown negated
    EXPECT_EQ(Model().Far(Eye::two, EyeQuantity::torsion), -200);
    EXPECT_EQ(Named<wxStaticText>(m_frame, FrameControl::QuantityLabel(2, 2)).GetLabel(), english(Text::IncycloRow));
    TypeAndEnter(m_frame, 402, "-1");
    EXPECT_EQ(Named<wxStaticText>(m_frame, FrameControl::QuantityLabel(1, 2)).GetLabel(), english(Text::ExcycloRow));
    TypeAndEnter(m_frame, 402, "0");
    EXPECT_EQ(Named<wxStaticText>(m_frame, FrameControl::QuantityLabel(1, 2)).GetLabel(), english(Text::TorsionRow));
}

TEST_F(QuantityControlsTest, UnitSwitchLosesHundredthsAndChangesRanges)
{
    TypeAndEnter(m_frame, 400, "12.34");
    SaveCaseAs(m_frame, PathOf("saved.sd"));
    ToggleMenuItem(m_frame, Id::WholeDegreesItem);
    EXPECT_EQ(Model().Far(Eye::one, EyeQuantity::horizontal), 12);
    EXPECT_EQ(FieldText(m_frame, 400), "+12" + kDegree);
    EXPECT_EQ(Control<wxSlider>(m_frame, Id::GazeSliderEye1Horizontal).GetMax(), 50);
    EXPECT_EQ(m_frame->SpinButton(406)->GetMin(), 50);  // reversed
    EXPECT_EQ(m_frame->SpinButton(408)->GetMin(), -50);

    ToggleMenuItem(m_frame, Id::WholeDegreesItem);
    EXPECT_EQ(Model().Far(Eye::one, EyeQuantity::horizontal), 1200);
    EXPECT_EQ(FieldText(m_frame, 400), "+12.00" + kDegree);
    EXPECT_EQ(Control<wxSlider>(m_frame, Id::GazeSliderEye1Horizontal).GetMax(), 5000);
    EXPECT_FALSE(m_frame->IsModified());
}

TEST_F(QuantityControlsTest, ValuesBeyondTheRangeStayStoredWhileControlsShowTheLimit)
{
    TypeAndEnter(m_frame, 400, "80");
    EXPECT_EQ(Model().Far(Eye::one, EyeQuantity::horizontal), 8000);
    EXPECT_EQ(m_frame->SpinButton(408)->GetValue(), 5000);
    EXPECT_EQ(FieldText(m_frame, 400), "+50.00" + kDegree);
}

TEST_F(QuantityControlsTest, EnterMovesTheFocusAlongTheFixedCycle)
{
    m_frame->Raise();
    TypeAndEnter(m_frame, 423, "1");
    Yield();
    EXPECT_EQ(wxWindow::FindFocus(), m_frame->TextField(400));
    TypeAndEnter(m_frame, 420, "1");
    Yield();
    EXPECT_EQ(wxWindow::FindFocus(), m_frame->TextField(403));
}

TEST_F(QuantityControlsTest, BothEyesHintOnceThenRearmedWhenOneEyeIsStraight)
{
    const ShippedLanguage english("English.lan");
    TypeAndEnter(m_frame, 400, "2");
    EXPECT_EQ(Status(1), "");
    wxTEST_DIALOG(TypeAndEnter(m_frame, 404, "3"), ExpectHint());
    EXPECT_EQ(Status(1), english(Text::BothEyesStatus));

    TypeAndEnter(m_frame, 404, "4");  // still both eyes: no second dialog
    EXPECT_EQ(Status(1), english(Text::BothEyesStatus));

    TypeAndEnter(m_frame, 400, "0");
    EXPECT_EQ(Status(1), "");
    wxTEST_DIALOG(TypeAndEnter(m_frame, 400, "1"), ExpectHint(false));
    EXPECT_FALSE(m_frame->ShowsBothEyesHint());

    TypeAndEnter(m_frame, 400, "0");
    TypeAndEnter(m_frame, 400, "1");  // unticked: no dialog, the status still says it
    EXPECT_EQ(Status(1), english(Text::BothEyesStatus));
}

TEST_F(QuantityControlsTest, BothEyesHintSilentInLatentModeAndInPlayback)
{
    m_frame->GetMenuBar()->Check(Id::ModeManifest, false);
    m_frame->GetMenuBar()->Check(Id::ModeLatent, true);
    TypeAndEnter(m_frame, 400, "2");
    TypeAndEnter(m_frame, 404, "3");
    EXPECT_EQ(Status(1), "");

    m_frame->GetMenuBar()->Check(Id::ModeLatent, false);
    m_frame->GetMenuBar()->Check(Id::ModeManifest, true);
    Named<wxPanel>(m_frame, FrameControl::kPlaybackPanel).Show();
    TypeAndEnter(m_frame, 404, "4");
    EXPECT_EQ(Status(1), "");
}

TEST_F(QuantityControlsTest, TiltChangeShowsTheAxisLinesForFourSeconds)
{
    OverlayTimer& overlay = m_frame->AxisOverlayTimer();
    EXPECT_FALSE(overlay.axisOverlaysVisible);
    TypeAndEnter(m_frame, 418, "3");
    EXPECT_TRUE(overlay.axisOverlaysVisible);
    EXPECT_TRUE(overlay.IsRunning());
    EXPECT_TRUE(overlay.IsOneShot());
    EXPECT_EQ(overlay.GetInterval(), 4000);
    overlay.Stop();
    overlay.Notify();
    EXPECT_FALSE(overlay.axisOverlaysVisible);

    m_frame->GetMenuBar()->Check(Id::AxisLinesItem, true);
    Spin(m_frame, 415, 100);
    overlay.Stop();
    overlay.Notify();
    EXPECT_TRUE(overlay.axisOverlaysVisible);

    overlay.axisOverlaysVisible = false;
    TypeAndEnter(m_frame, 420, "3");  // an offset is no tilt
    EXPECT_FALSE(overlay.axisOverlaysVisible);
}

TEST_F(QuantityControlsTest, CoverCheckBoxesExcludeEachOther)
{
    ClickCheckBox(m_frame, Id::CoverCheckBox1, true);
    ClickCheckBox(m_frame, Id::CoverCheckBox2, true);
    EXPECT_FALSE(Control<wxCheckBox>(m_frame, Id::CoverCheckBox1).GetValue());
    EXPECT_TRUE(Control<wxCheckBox>(m_frame, Id::CoverCheckBox2).GetValue());
    ClickCheckBox(m_frame, Id::CoverCheckBox2, false);
    EXPECT_FALSE(Control<wxCheckBox>(m_frame, Id::CoverCheckBox1).GetValue());
    EXPECT_FALSE(Control<wxCheckBox>(m_frame, Id::CoverCheckBox2).GetValue());
    EXPECT_FALSE(m_frame->IsModified());
}

TEST_F(QuantityControlsTest, StartsInHundredthsWithFullRanges)
{
    EXPECT_EQ(FieldText(m_frame, 400), "  0.00" + kDegree);
    EXPECT_EQ(Control<wxSlider>(m_frame, Id::GazeSliderEye1Vertical).GetMin(), -5000);
    EXPECT_EQ(m_frame->SpinButton(412)->GetMin(), 5000);
    EXPECT_EQ(m_frame->SpinButton(412)->GetMax(), -5000);
    EXPECT_FALSE(m_frame->IsModified());
}

class AngleSpinButtonTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        m_window = new wxFrame(nullptr, wxID_ANY, "spin");
        m_spin = new AngleSpinButton(m_window, 406, wxDefaultPosition, wxDefaultSize);
        m_window->Show();
    }
    void TearDown() override
    {
        m_window->Destroy();
        FrameFixture::TearDown();
    }
    wxFrame* m_window = nullptr;
    AngleSpinButton* m_spin = nullptr;
};

TEST_F(AngleSpinButtonTest, ReversedRangeKeepsValuesAndLimitsThem)
{
    m_spin->SetRange(5000, -5000);
    EXPECT_TRUE(m_spin->IsReversed());
    EXPECT_EQ(m_spin->GetMin(), 5000);
    EXPECT_EQ(m_spin->GetMax(), -5000);
    m_spin->SetValue(-1234);
    EXPECT_EQ(m_spin->GetValue(), -1234);
    m_spin->SetValue(7000);
    EXPECT_EQ(m_spin->GetValue(), 5000);
    m_spin->SetValue(-7000);
    EXPECT_EQ(m_spin->GetValue(), -5000);
}

TEST_F(AngleSpinButtonTest, UpArrowLowersTheValueOfAReversedButton)
{
    m_spin->SetRange(50, -50);
    m_spin->SetValue(10);
    // The native control steps its own value up by one, as the up arrow does.
    m_spin->wxSpinButton::SetValue(m_spin->wxSpinButton::GetValue() + 1);
    EXPECT_EQ(m_spin->GetValue(), 9);
}

TEST_F(AngleSpinButtonTest, SwitchingBetweenRangesKeepsTheValue)
{
    m_spin->SetRange(-5000, 5000);
    m_spin->SetValue(30);
    m_spin->SetRange(50, -50);
    EXPECT_EQ(m_spin->GetValue(), 30);
    m_spin->SetRange(-50, 50);
    EXPECT_EQ(m_spin->GetValue(), 30);
    EXPECT_FALSE(m_spin->IsReversed());
}
