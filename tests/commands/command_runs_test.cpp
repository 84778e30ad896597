#include "commands/CommandChecks.h"
#include "commands/CommandTable.h"
#include "examination/Examination.h"
#include "examination/Measurement.h"
#include "widgets/Ids.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {

// Notes what the commands ask of the window, as "ShowHelp".
class NotedWindow : public CommandWindow {
public:
    std::vector<std::string> asked;
    GazeTarget gaze;
    std::optional<Measurement> measured;

    void StartNewCase() override { asked.push_back("StartNewCase"); }
    void ChooseAndOpenCase() override { asked.push_back("ChooseAndOpenCase"); }
    void SaveCaseFile(bool askForName) override { asked.push_back(askForName ? "SaveCaseAs" : "SaveCase"); }
    void ChooseAndOpenRecording() override { asked.push_back("ChooseAndOpenRecording"); }
    void SaveRecordingFile(bool askForName) override
    {
        asked.push_back(askForName ? "SaveRecordingAs" : "SaveRecording");
    }
    void RepairRecording() override { asked.push_back("RepairRecording"); }
    void ShowMuscles() override { asked.push_back("ShowMuscles"); }
    void ShowPrismChooser() override { asked.push_back("ShowPrismChooser"); }
    void ShowDisplayOptions() override { asked.push_back("ShowDisplayOptions"); }
    void ShowHessChart() override { asked.push_back("ShowHessChart"); }
    void ShowNinePositions() override { asked.push_back("ShowNinePositions"); }
    void ShowHelp() override { asked.push_back("ShowHelp"); }
    void ShowAbout() override { asked.push_back("ShowAbout"); }
    void Quit() override { asked.push_back("Quit"); }
    void SetPresentation(bool on) override { asked.push_back(on ? "Presentation on" : "Presentation off"); }
    void PeekAtValues() override { asked.push_back("PeekAtValues"); }
    void ExportPicture() override { asked.push_back("ExportPicture"); }
    void CopyPicture() override { asked.push_back("CopyPicture"); }
    void ResetView() override { asked.push_back("ResetView"); }
    void ApplySwitch(int id) override { asked.push_back("ApplySwitch " + std::to_string(id)); }
    void SetCoverTool(int tool, bool on) override;
    GazeTarget GazeNow() const override { return gaze; }
    void ShowDeviation(const Measurement& shown) override
    {
        asked.push_back("ShowDeviation");
        measured = shown;
    }
};

class CommandRuns : public ::testing::Test {
protected:
    // What the window was asked by running the command of id.
    std::vector<std::string> Run(int id)
    {
        window.asked.clear();
        CommandContext context{examination, window};
        FindCommand(id)->run(context, id);
        return window.asked;
    }

    Examination examination;
    NotedWindow window;
};

using Asked = std::vector<std::string>;

std::string Cover(int tool, bool on)
{
    return "SetCoverTool " + std::to_string(tool) + (on ? " on" : " off");
}

void NotedWindow::SetCoverTool(int tool, bool on)
{
    asked.push_back(Cover(tool, on));
}

}  // namespace

TEST_F(CommandRuns, WindowCommandsAskTheWindowForTheirOwnStep)
{
    const std::pair<int, std::string> expected[] = {
        {Id::NewCase, "StartNewCase"},
        {Id::OpenCase, "ChooseAndOpenCase"},
        {Id::SaveCase, "SaveCase"},
        {Id::SaveCaseAs, "SaveCaseAs"},
        {Id::OpenRecording, "ChooseAndOpenRecording"},
        {Id::SaveRecording, "SaveRecording"},
        {Id::SaveRecordingAs, "SaveRecordingAs"},
        {Id::RepairRecording, "RepairRecording"},
        {Id::Muscles, "ShowMuscles"},
        {Id::PrismChooser, "ShowPrismChooser"},
        {Id::DisplayOptions, "ShowDisplayOptions"},
        {Id::HessChart, "ShowHessChart"},
        {Id::NinePositions, "ShowNinePositions"},
        {Id::HelpContents, "ShowHelp"},
        {Id::About, "ShowAbout"},
        {Id::Exit, "Quit"},
        {Id::PeekAtValues, "PeekAtValues"},
        {Id::ExportPicture, "ExportPicture"},
        {Id::CopyPicture, "CopyPicture"},
        {Id::ResetViewTool, "ResetView"},
        {Id::LeavePresentation, "Presentation off"},
        {Id::Presentation, "Presentation on"},
        {Id::QuizTool, "ApplySwitch " + std::to_string(Id::QuizTool)},
        {Id::ModeLatent, "ApplySwitch " + std::to_string(Id::ModeLatent)},
    };
    for (const auto& [id, step] : expected)
        EXPECT_EQ(Run(id), Asked{step}) << id;
    examination.SetPresentation(true);
    EXPECT_EQ(Run(Id::Presentation), Asked{"Presentation off"});
}

TEST_F(CommandRuns, CoverKeysFlipTheirToolAndUncoverClearsOnlyWhatIsOn)
{
    EXPECT_EQ(Run(Id::CoverRightEyeOccluder), Asked{Cover(Id::OccluderEye1, true)});
    EXPECT_EQ(Run(Id::CoverLeftEyeTranslucent), Asked{Cover(Id::TranslucentEye2, true)});
    EyeAids filter;
    filter.redFilter = true;
    examination.SetAids(Eye::two, filter);
    EXPECT_EQ(Run(Id::CoverRightEyeOccluder + 4), Asked{Cover(Id::RedFilterEye2, false)});
    EyeAids translucent;
    translucent.translucentOccluder = true;
    examination.SetAids(Eye::one, translucent);
    EXPECT_EQ(Run(Id::CoverRightEyeOccluder + 2), Asked{Cover(Id::TranslucentEye1, false)});
    EyeAids occluder;
    occluder.occluder = true;
    examination.SetAids(Eye::one, occluder);
    examination.SetAids(Eye::two, occluder);
    EXPECT_EQ(Run(Id::Uncover), (Asked{Cover(Id::OccluderEye1, false), Cover(Id::OccluderEye2, false)}));
    examination.SetAids(Eye::one, EyeAids());
    EXPECT_EQ(Run(Id::CoverRightEyeOccluder + 3), Asked{Cover(Id::OccluderEye2, false)});
    // The alternate cover takes the occluder to the other eye, and back.
    EXPECT_EQ(Run(Id::AlternateCover), Asked{Cover(Id::OccluderEye1, true)});
    examination.SetAids(Eye::one, occluder);
    examination.SetAids(Eye::two, EyeAids());
    EXPECT_EQ(Run(Id::AlternateCover), Asked{Cover(Id::OccluderEye2, true)});
}

TEST_F(CommandRuns, ExaminationKeysChangeTheExaminationAlone)
{
    Run(Id::DistanceNear);
    EXPECT_EQ(examination.Distance(), kBlendSliderNear);
    Run(Id::DistanceFarther);
    EXPECT_EQ(examination.Distance(), kBlendSliderNear - 1);

    Run(Id::PrismStrongerEye1 + 3);
    EXPECT_EQ(examination.PrismBefore(Eye::two).dioptres, PrismBarPowers().front());
    EXPECT_EQ(examination.PrismBefore(Eye::one).dioptres, 0);
    Run(Id::RemovePrisms);
    EXPECT_EQ(examination.PrismBefore(Eye::two).dioptres, 0);

    Run(Id::FirstGazePosition);
    EXPECT_EQ(examination.Target().kind, FixationTarget::Kind::ninePositions);
    EXPECT_EQ(examination.Target().key, 1);
    // A new eccentricity keeps the position held.
    Run(Id::LastEccentricity);
    EXPECT_EQ(examination.Target().kind, FixationTarget::Kind::ninePositions);
    EXPECT_EQ(examination.Target().eccentricity, 30);
    Run(Id::GazeFollowsPointer);
    EXPECT_EQ(examination.Target().kind, FixationTarget::Kind::pointer);
    EXPECT_EQ(examination.Target().eccentricity, 30);
    EXPECT_TRUE(window.asked.empty());
}

TEST_F(CommandRuns, HeadKeysStepTheHeadWithinItsRangeAndTakeUpTheCasesPosture)
{
    const int turnRight = Id::FirstHeadStep, turnLeft = turnRight + 1, tiltRight = turnRight + 2,
              tiltLeft = turnRight + 3, chinUp = turnRight + 4, chinDown = turnRight + 5;
    Run(turnRight);
    Run(tiltLeft);
    Run(chinDown);
    EXPECT_EQ(examination.Head(), (HeadPosture{5, -5, -5}));
    for (int step = 0; step < 10; ++step) {
        Run(turnLeft);
        Run(tiltRight);
        Run(chinUp);
    }
    EXPECT_EQ(examination.Head(), (HeadPosture{-45, 45, 45}));
    Run(Id::StraightenHead);
    EXPECT_TRUE(examination.Head().Straight());

    // Without a posture of its own the case keeps the head; with one the head takes it up.
    Run(turnRight);
    CommandState state;
    const Command& compensatory = *FindCommand(Id::CompensatoryHead);
    EXPECT_FALSE(CommandEnabled(compensatory, state));
    Run(Id::CompensatoryHead);
    EXPECT_EQ(examination.Head(), (HeadPosture{5, 0, 0}));
    examination.SetCompensatoryHead(HeadPosture{0, -15, 0});
    state.compensatoryHead = true;
    EXPECT_TRUE(CommandEnabled(compensatory, state));
    Run(Id::CompensatoryHead);
    EXPECT_EQ(examination.Head(), (HeadPosture{0, -15, 0}));
    // A recording holds the head as it is.
    state.recordingPlays = true;
    EXPECT_FALSE(CommandEnabled(compensatory, state));
    EXPECT_FALSE(CommandEnabled(*FindCommand(turnRight), state));
    EXPECT_TRUE(window.asked.empty());
}

TEST_F(CommandRuns, DeviationKeyMeasuresAtTheWindowsGazeAndDistanceUnderCover)
{
    EyeModel model;
    model.SetFar(Eye::one, EyeQuantity::horizontal, 1000);
    model.SetNear(Eye::one, EyeQuantity::horizontal, 2050);
    examination.SetModel(model);
    examination.SetLatent(true);
    examination.SetDistance(kBlendSliderFar);
    // The pointer leads: the gaze is the window's, not a held position's.
    window.gaze = {12, -7};
    ASSERT_EQ(Run(Id::ShowDeviationItem), Asked{"ShowDeviation"});
    ASSERT_TRUE(window.measured);
    EXPECT_EQ(window.measured->gaze.right, 12);
    EXPECT_EQ(window.measured->gaze.up, -7);
    // A phoria shows only with one eye covered, as under the prism cover test.
    EXPECT_NEAR(std::abs(window.measured->inward), 10, 0.5);
    examination.SetDistance(kBlendSliderNear);
    Run(Id::ShowDeviationItem);
    EXPECT_NEAR(std::abs(window.measured->inward), 20.5, 0.5);
    EXPECT_EQ(examination.Aids(Eye::one), EyeAids());
    EXPECT_EQ(examination.Aids(Eye::two), EyeAids());
}

TEST(CommandChecks, EverySwitchButTheWindowsOwnShowsTheExamination)
{
    Examination examination;
    const auto checked = [&](int id) { return CommandChecked(*FindCommand(id), examination); };
    for (const Command& command : Commands()) {
        const bool switches = command.kind == CommandKind::check || command.kind == CommandKind::radio;
        const bool windowsOwn = command.id == Id::HideValuesTool || command.id == Id::QuizTool;
        EXPECT_EQ(checked(command.id).has_value(), switches && !windowsOwn) << command.id;
    }
    EXPECT_EQ(checked(Id::ModeManifest), true);
    examination.SetLatent(true);
    examination.SetWholeDegrees(true);
    examination.SetPresentation(true);
    EXPECT_EQ(checked(Id::ModeManifest), false);
    EXPECT_EQ(checked(Id::ModeLatent), true);
    EXPECT_EQ(checked(Id::WholeDegreesItem), true);
    EXPECT_EQ(checked(Id::Presentation), true);

    DisplayAids display;
    display.penlight = display.quadrantHide = display.face = true;
    examination.SetDisplay(display);
    EXPECT_EQ(checked(Id::FlashlightItem), true);
    EXPECT_EQ(checked(Id::FlashlightTool), true);
    EXPECT_EQ(checked(Id::QuadrantHideTool), true);
    EXPECT_EQ(checked(Id::EyeCrossTool), false);
    EXPECT_EQ(checked(Id::QuadrantEditTool), false);
    EXPECT_EQ(checked(Id::AxisLinesItem), false);
    EXPECT_EQ(checked(Id::FaceItem), true);
    EXPECT_EQ(checked(Id::ShowTargetItem), false);
    display.fixationTarget = true;
    examination.SetDisplay(display);
    EXPECT_EQ(checked(Id::ShowTargetItem), true);

    EyeAids filter;
    filter.redFilter = true;
    examination.SetAids(Eye::two, filter);
    for (int tool = Id::OccluderEye1; tool <= Id::TranslucentEye2; ++tool)
        EXPECT_EQ(checked(tool), tool == Id::RedFilterEye2) << tool;

    FixationTarget target;
    target.eccentricity = 15;
    examination.SetTarget(target);
    for (int id = Id::FirstEccentricity; id <= Id::LastEccentricity; ++id)
        EXPECT_EQ(checked(id), EccentricityDegrees(id) == 15) << id;
}
