#include "cli/NineCommand.h"

#include "charts/CairoChart.h"
#include "charts/NineSheet.h"
#include "cli/CaseExamination.h"
#include "cli/ProgramChoices.h"
#include "cli/StartFolder.h"
#include "examination/Solver.h"
#include "lang/Latin1Utf8.h"
#include "lang/TextIds.h"
#include "settings/FileIo.h"
#include "view/IrisTexture.h"
#include "view/SceneOfExamination.h"
#include "view/SceneRenderer.h"

namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;

// The display aids the window starts with: those the settings switch on.
Examination AsTheWindowShowsIt(Examination examination, const Settings& settings)
{
    DisplayAids display;
    display.eyeCross = settings.eyeCrosses;
    display.face = settings.extension.face;
    display.axisLines = settings.axisLinesAlways;
    display.penlight = settings.flashlightMode;
    examination.SetDisplay(display);
    return examination;
}

}  // namespace

RgbPicture DrawNineSheet(const OffscreenGl& gl, const Examination& examination, const Settings& settings,
                         int eccentricity, const std::string& label, bool& textureLoaded)
{
    const ViewportSize viewport = ViewportForCanvasSize({}, gl.Width(), gl.Height());
    const FrustumExtents frustum = ProjectionFrustum(viewport);
    const ViewLook look = ViewLookOf(settings);
    const CoverBlends blends = SettledBlends(examination);
    SceneRenderer renderer;
    textureLoaded = renderer.SetUp(settings.eyeSegments);
    renderer.FitEyeball(settings.eyeSegments, EyeballPixelRadius(viewport, frustum, examination.Distance()));

    std::vector<RgbPicture> panels;
    std::array<bool, kNinePanelCount> cannotFixate{};
    ViewPose pose;
    for (int key = 1; key <= kNinePanelCount; ++key) {
        const GazeTarget target =
            TurnEyesTowards(examination, PointerOffsetForDirection(KeypadGazePosition(key, eccentricity)), pose);
        SceneState scene = SceneOf(examination, target, blends);
        // Nobody holds the penlight down.
        scene.penlightShining = false;
        scene.angleKappa = settings.extension.angleKappa;
        renderer.Draw(scene, blends, pose, look, frustum);
        panels.push_back(RgbPicture{gl.Width(), gl.Height(), gl.ReadRgb()});
        cannotFixate[static_cast<std::size_t>(key - 1)] = FixingEyeCannotFixate(examination, target, blends);
    }
    return NineSheet(panels, cannotFixate, BackgroundAsRead(look.background), label);
}

int RunNineCommand(const CommandLine& command, const std::string& startFolder, std::ostream& err,
                   std::string& offscreenFailure)
{
    // Asked first: without it the caller may still draw through a window.
    const std::unique_ptr<OffscreenGl> gl = OffscreenGl::Create(kNineViewWidth, kNineViewHeight, offscreenFailure);
    if (!gl)
        return kFailure;
    ProgramChoices choices;
    Examination examination;
    if (!OpenCommandCase(command.files[0], startFolder, err, choices, examination))
        return kFailure;

    bool textureLoaded = true;
    const RgbPicture sheet =
        DrawNineSheet(*gl, AsTheWindowShowsIt(examination, choices.settings), choices.settings, command.eccentricity,
                      Latin1ToUtf8(choices.texts.Get(Text::CannotFixate)), textureLoaded);
    // The window says so too, and goes on.
    if (!textureLoaded)
        err << "squinx: " << kIrisTextureFile
            << ": the iris texture could not be loaded; the iris is drawn "
               "without a pattern\n";
    const std::filesystem::path output = ResolveFromStartFolder(command.files[1], startFolder);
    std::vector<unsigned char> bytes;
    if (!DrawPicturePng(sheet, bytes)) {
        err << "squinx: " << PathForMessage(output) << ": the picture could not be drawn\n";
        return kFailure;
    }
    std::string error;
    if (!WriteFileAtomically(output, bytes.data(), bytes.size(), error)) {
        err << "squinx: " << error << '\n';
        return kFailure;
    }
    return kSuccess;
}
