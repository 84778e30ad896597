#include "cli/HessCommand.h"

#include "charts/CairoChart.h"
#include "charts/HessCaptions.h"
#include "cli/CaseExamination.h"
#include "cli/ProgramChoices.h"
#include "cli/StartFolder.h"

#include <filesystem>

namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;

}  // namespace

int RunHessCommand(const CommandLine& command, const std::string& startFolder, std::ostream& err)
{
    ProgramChoices choices;
    Examination examination;
    if (!OpenCommandCase(command.files[0], startFolder, err, choices, examination))
        return kFailure;

    const std::string caseName = std::filesystem::u8path(command.files[0]).stem().u8string();
    const ChartDrawing drawing = LayOutHessChart(HessFieldOf(Eye::two, examination), HessFieldOf(Eye::one, examination),
                                                 HessCaptionsOf(choices.texts, caseName, TodayIsoDate()));
    std::string error;
    if (!WriteChartFile(ResolveFromStartFolder(command.files[1], startFolder), drawing, error)) {
        err << "squinx: " << error << '\n';
        return kFailure;
    }
    return kSuccess;
}
