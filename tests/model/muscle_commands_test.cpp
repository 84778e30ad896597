// Muscle strengths through the main window: the companion file beside a
// case, the eyes following the pointer through the model, and the dialog.
#include "CanvasFixture.h"
#include "FrameDriver.h"
#include "TestDialogs.h"

#include "widgets/Ids.h"
#include "frame/MusclesDialog.h"
#include "model/CaseFile.h"
#include "model/MuscleFile.h"
#include "model/MusclePresets.h"
#include "view/CoverAnimationTimer.h"
#include "view/EyesCanvas.h"

#include <wx/filedlg.h>
#include <wx/menu.h>
#include <wx/slider.h>
#include <wx/stattext.h>
#include <wx/toolbar.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

// Answers the muscles dialog by choosing a preset entry, or resetting (-1), then OK.
template <>
class wxExpectModal<MusclesDialog> : public wxExpectModalBase<MusclesDialog> {
public:
    explicit wxExpectModal(int presetEntry) : m_presetEntry(presetEntry) {}

protected:
    int OnInvoked(MusclesDialog* dialog) const override
    {
        if (m_presetEntry < 0)
            dialog->ResetAll();
        else
            dialog->ApplyPreset(m_presetEntry);
        return wxID_OK;
    }

private:
    int m_presetEntry;
};

// Drags the first slider, the right lateral rectus, to a value and keeps
// whether a number beside it shows that value; then OK.
class SlideRightLateralRectus : public wxExpectModalBase<MusclesDialog> {
public:
    SlideRightLateralRectus(int percent, bool* numberShown) : m_percent(percent), m_numberShown(numberShown) {}

protected:
    int OnInvoked(MusclesDialog* dialog) const override
    {
        for (wxWindow* child : dialog->GetChildren()) {
            if (auto* slider = dynamic_cast<wxSlider*>(child)) {
                slider->SetValue(m_percent);
                wxCommandEvent moved(wxEVT_SLIDER, slider->GetId());
                moved.SetEventObject(slider);
                slider->GetEventHandler()->ProcessEvent(moved);
                break;
            }
        }
        const wxString number = wxString::Format("%d %%", m_percent);
        for (wxWindow* child : dialog->GetChildren()) {
            if (auto* text = dynamic_cast<wxStaticText*>(child); text && text->GetLabel() == number)
                *m_numberShown = true;
        }
        return wxID_OK;
    }

private:
    int m_percent;
    bool* m_numberShown;
};

class MuscleCommandsTest : public CanvasFixture {
protected:
    void SetUp() override
    {
        CanvasFixture::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(m_canvas->Render());
        SetTool(Id::FlashlightTool, false);
    }

    std::string ReadBytes(const std::string& name) const
    {
        std::ifstream in(PathOf(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    void Open(const std::string& name)
    {
        wxTEST_DIALOG(SendCommand(Id::OpenCase), wxExpectModal<wxFileDialog>(PathOf(name)));
    }

    // The pointer dx pixels right of the straight-ahead point.
    void PointAt(int dx)
    {
        wxMouseEvent event(wxEVT_MOTION);
        event.SetPosition(m_canvas->StraightAheadPoint() + wxSize(dx, 0));
        event.SetEventObject(m_canvas);
        m_canvas->GetEventHandler()->ProcessEvent(event);
    }
};

TEST_F(MuscleCommandsTest, PalsyCaseLoadsWithItsStrengthsAndTheDeviationGrowsInTheWeakMusclesField)
{
    CopyDataFile("cases/sixth-nerve-palsy-right.sd", "palsy.sd");
    CopyDataFile("cases/sixth-nerve-palsy-right.sd.muscles", "palsy.sd.muscles");
    Open("palsy.sd");
    ASSERT_EQ(m_frame->ExaminationNow().CaseMuscles(), PresetStrengths(MusclePreset::sixthNervePalsy, Eye::one));
    EXPECT_FALSE(m_frame->IsModified());

    // Straight ahead the sound left eye fixes and the right eye is turned in,
    // towards the viewer's right: its pupil lies right of its centre.
    const ViewImage image = ViewImage::Capture(*m_canvas);
    const auto right = PupilOf(image, kEye1);
    const auto left = PupilOf(image, kEye2);
    ASSERT_TRUE(right && left);
    EXPECT_GT(right->x - At(kEye1, 0).x, 3.0);
    EXPECT_NEAR(left->x, At(kEye2, 0).x, 1.5);

    // The pointer left of the picture is the patient's right gaze: the field
    // of the weak right lateral rectus, where the esotropia grows.
    PointAt(1);
    const double primary = m_canvas->SolvedEyes()[0].muscles.horizontal;
    PointAt(-160);
    const double rightGaze = m_canvas->SolvedEyes()[0].muscles.horizontal;
    PointAt(160);
    const double leftGaze = m_canvas->SolvedEyes()[0].muscles.horizontal;
    EXPECT_GT(primary, 5.0);
    EXPECT_GT(rightGaze, 1.5 * primary);
    EXPECT_LT(leftGaze, 0.5 * primary);

    // Covering the sound eye makes the paretic eye fix: the left eye turns in further.
    drive::ToggleTool(m_frame, Id::OccluderEye2);
    for (int tick = 0; tick < 12; ++tick)
        m_frame->CoverAnimation().Notify();
    EXPECT_NEAR(m_canvas->SolvedEyes()[0].muscles.horizontal, 0.0, 1e-6);
    EXPECT_LT(m_canvas->SolvedEyes()[1].muscles.horizontal, -leftGaze);

    // Far into the weak muscle's field the paretic eye cannot fixate: the
    // status bar says so instead of the view showing a measurement.
    const auto fixationStatus = [&] {
        m_canvas->ReportFixation();
        return m_frame->GetStatusBar()->GetStatusText(PatientFrame::kFixationStatusField);
    };
    EXPECT_EQ(fixationStatus(), "");
    PointAt(-200);
    EXPECT_EQ(fixationStatus(), "cannot fixate");
    PointAt(1);
    EXPECT_EQ(fixationStatus(), "");

    wxTEST_DIALOG(SendCommand(Id::SaveCaseAs), wxExpectModal<wxFileDialog>(PathOf("copy.sd")));
    EXPECT_EQ(ReadBytes("copy.sd"), ReadBytes("palsy.sd"));
    EXPECT_EQ(ReadBytes("copy.sd.muscles"), ReadBytes("palsy.sd.muscles"));
}

TEST_F(MuscleCommandsTest, PrismOfThePrimaryDeviationBeforeThePareticEyeStopsTheAlternateCover)
{
    CopyDataFile("cases/sixth-nerve-palsy-right.sd", "palsy.sd");
    CopyDataFile("cases/sixth-nerve-palsy-right.sd.muscles", "palsy.sd.muscles");
    Open("palsy.sd");
    // How far each eye moves, degrees, as the occluder goes from the left
    // eye to the right one and the cover animation comes to rest.
    const auto alternateCover = [&](int baseOutDioptres) {
        m_frame->SetPrisms({Prism{baseOutDioptres, PrismBase::out}, Prism{}});
        const auto settleCovering = [&](int tool) {
            drive::ToggleTool(m_frame, tool);
            for (int tick = 0; tick < 12; ++tick)
                m_frame->CoverAnimation().Notify();
            const BothEyes solved = m_canvas->SolvedEyes();
            return std::array<GazeTarget, 2>{solved[0].LineOfSight(), solved[1].LineOfSight()};
        };
        const auto leftCovered = settleCovering(Id::OccluderEye2);
        drive::ToggleTool(m_frame, Id::OccluderEye2);
        const auto rightCovered = settleCovering(Id::OccluderEye1);
        drive::ToggleTool(m_frame, Id::OccluderEye1);
        std::array<double, 2> moved{};
        for (int eye = 0; eye < 2; ++eye)
            moved[eye] = std::hypot(leftCovered[eye].right - rightCovered[eye].right,
                                    leftCovered[eye].up - rightCovered[eye].up);
        return moved;
    };
    // The primary deviation is 18.5 prism dioptres: 18 on the bar stops
    // both eyes, 16 and 20 leave a movement.
    for (const int dioptres : {16, 18, 20}) {
        const std::array<double, 2> moved = alternateCover(dioptres);
        if (dioptres == 18) {
            EXPECT_LT(moved[0], 0.5);
            EXPECT_LT(moved[1], 0.5);
        } else {
            EXPECT_GE(std::max(moved[0], moved[1]), 0.5) << dioptres;
        }
    }
}

TEST_F(MuscleCommandsTest, OldCaseWithoutCompanionSavesByteIdenticalAndNormalStrengthsRemoveOne)
{
    CaseData data;
    data.values.SetFar(Eye::two, EyeQuantity::horizontal, 1234);
    data.quadrantMarks = 0x42;
    const auto bytes = EncodeCase(data);
    WriteFile("old.sd", std::string(bytes.begin(), bytes.end()));
    Open("old.sd");
    EXPECT_TRUE(m_frame->ExaminationNow().CaseMuscles().AllNormal());
    SendCommand(Id::SaveCase);
    EXPECT_EQ(ReadBytes("old.sd"), std::string(bytes.begin(), bytes.end()));
    EXPECT_FALSE(fs::exists(PathOf("old.sd.muscles")));

    // A preset marks the case changed; saving writes the companion, and
    // resetting and saving again removes it.
    wxTEST_DIALOG(SendCommand(Id::Muscles), wxExpectModal<MusclesDialog>(2 * kEyeCount + 1));
    EXPECT_EQ(m_frame->ExaminationNow().CaseMuscles(), PresetStrengths(MusclePreset::thirdNervePalsy, Eye::two));
    EXPECT_TRUE(m_frame->IsModified());
    SendCommand(Id::SaveCase);
    EXPECT_EQ(ReadBytes("old.sd.muscles"), EncodeMuscles(m_frame->ExaminationNow().CaseMuscles()));
    EXPECT_EQ(ReadBytes("old.sd"), std::string(bytes.begin(), bytes.end()));

    wxTEST_DIALOG(SendCommand(Id::Muscles), wxExpectModal<MusclesDialog>(-1));
    SendCommand(Id::SaveCase);
    EXPECT_FALSE(fs::exists(PathOf("old.sd.muscles")));
    EXPECT_FALSE(m_frame->IsModified());

    bool numberShown = false;
    wxTEST_DIALOG(SendCommand(Id::Muscles), SlideRightLateralRectus(35, &numberShown));
    EXPECT_EQ(m_frame->ExaminationNow().CaseMuscles().Get(Eye::one, Muscle::LR), 35);
    EXPECT_TRUE(numberShown);
    EXPECT_TRUE(m_frame->IsModified());
}

TEST_F(MuscleCommandsTest, MalformedCompanionIsReportedAndKeptWhileTheCaseOpens)
{
    CaseData data;
    data.values.SetFar(Eye::one, EyeQuantity::vertical, 250);
    const auto bytes = EncodeCase(data);
    WriteFile("bad.sd", std::string(bytes.begin(), bytes.end()));
    const std::string malformed = std::string(kMuscleFileHeader) + "\nright.LR=250\n";
    WriteFile("bad.sd.muscles", malformed);

    wxString message;
    wxTEST_DIALOG(SendCommand(Id::OpenCase), wxExpectModal<wxFileDialog>(PathOf("bad.sd")),
                  ExpectMessageBox(wxID_OK, &message));
    EXPECT_NE(message.find("bad.sd"), wxString::npos);
    EXPECT_NE(message.find("Line 2"), wxString::npos) << message;
    EXPECT_EQ(m_frame->CasePath(), PathOf("bad.sd"));
    EXPECT_EQ(m_frame->ExaminationNow().Model().Far(Eye::one, EyeQuantity::vertical), 250);
    EXPECT_TRUE(m_frame->ExaminationNow().CaseMuscles().AllNormal());

    SendCommand(Id::SaveCase);
    EXPECT_EQ(ReadBytes("bad.sd.muscles"), malformed);
    // The same file under another spelling of its path is still that file.
    wxTEST_DIALOG(SendCommand(Id::SaveCaseAs), wxExpectModal<wxFileDialog>(PathOf(".") + "/./bad.sd"),
                  ExpectMessageBox(wxID_YES, nullptr));
    EXPECT_EQ(ReadBytes("bad.sd.muscles"), malformed);
    // Another case is another file: it gets no copy of the refused one.
    wxTEST_DIALOG(SendCommand(Id::SaveCaseAs), wxExpectModal<wxFileDialog>(PathOf("other.sd")));
    EXPECT_FALSE(fs::exists(PathOf("other.sd.muscles")));
    EXPECT_EQ(ReadBytes("bad.sd.muscles"), malformed);
}
