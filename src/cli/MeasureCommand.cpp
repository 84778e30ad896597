#include "cli/MeasureCommand.h"

#include "cli/CaseExamination.h"
#include "cli/MeasureTable.h"
#include "cli/ProgramChoices.h"
#include "cli/StartFolder.h"
#include "model/EyeModel.h"

#include <vector>

namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;

}  // namespace

int RunMeasureCommand(const CommandLine& command, const std::string& startFolder, std::ostream& out, std::ostream& err)
{
    ProgramChoices choices;
    Examination examination;
    if (!OpenCommandCase(command.files[0], startFolder, err, choices, examination))
        return kFailure;
    if (command.atNear)
        examination.SetDistance(*command.atNear ? kBlendSliderNear : kBlendSliderFar);
    examination.SetPrism(Eye::one, command.prisms[0]);
    examination.SetPrism(Eye::two, command.prisms[1]);
    examination.SetHead({command.headTurn, command.headTilt, 0});

    std::vector<Measurement> measurements;
    if (command.table) {
        for (const GazeTarget& gaze : NineGazes(command.eccentricity))
            measurements.push_back(Measure(examination, gaze, command.fixing));
    } else {
        measurements.push_back(Measure(examination, {command.gazeRight, command.gazeUp}, command.fixing));
    }
    const MeasureWords words = MeasureWordsOf(choices.texts);
    out << (command.tabSeparated ? TabSeparatedMeasurements(measurements, words)
                                 : PlainMeasurements(measurements, words));
    // Redirected into a full disk, the table is cut short: that is no success.
    if (!out.flush()) {
        err << "squinx: the measurement could not be written out\n";
        return kFailure;
    }
    return kSuccess;
}
