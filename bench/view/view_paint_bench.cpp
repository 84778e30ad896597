// Time per paint of the 3D view at the main window's default size: the whole
// frame rendered, swapped and finished, as the 10 ms animation tick needs it.
// Run from a folder with a language file and texturen.dat (build/run).
#include "ProgramUnderBenchmark.h"

#include "app/PatientApp.h"
#include "widgets/Ids.h"
#include "frame/PatientFrame.h"
#include "view/EyesCanvas.h"

#include <benchmark/benchmark.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/toolbar.h>
#include <wx/image.h>
#include <wx/utils.h>

#include <GL/gl.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

wxIMPLEMENT_APP_NO_MAIN(PatientApp);

namespace {

constexpr int kPaints = 500;

EyesCanvas* g_canvas = nullptr;
bool g_face = false;

// Cover aids are set before both eyes unless named otherwise. The toolbar
// lets only one cover aid be on at a time, so kAllAids goes beyond what a
// user can reach; kAllReachable is the most a user can switch on.
enum Aids { kNoAid, kLines, kOccluder, kRedFilter, kTranslucent, kQuadrants, kAllAids, kAllReachable, kPrisms };
const char* const kAidNames[] = {"no aid",
                                 "crosses, axes, grid",
                                 "occluders",
                                 "red filters",
                                 "translucent occluders",
                                 "quadrant overlay",
                                 "all aids, both eyes",
                                 "overlays + translucent occluder on eye 1",
                                 "prisms, both eyes, and the penlight's reflexes"};

// The view draws the examination, so the aids are set there, in
// combinations the toolbar alone would not allow.
void SetAids(int aids)
{
    PatientFrame* frame = PatientApp::MainWindow();
    Examination& examination = frame->CurrentExamination();
    const bool all = aids == kAllAids;
    const bool overlays = all || aids == kAllReachable || aids == kLines;
    const bool prisms = aids == kPrisms;
    DisplayAids display;
    display.eyeCross = overlays;
    display.quadrantEdit = overlays;
    display.axisLines = overlays;
    display.penlight = prisms;
    display.face = g_face;
    examination.SetDisplay(display);
    for (const Eye eye : {Eye::one, Eye::two}) {
        EyeAids held;
        held.occluder = all || aids == kOccluder;
        held.redFilter = all || aids == kRedFilter;
        held.translucentOccluder = all || aids == kTranslucent || (eye == Eye::one && aids == kAllReachable);
        examination.SetAids(eye, held);
    }
    examination.SetQuadrantMarks(all || aids == kAllReachable || aids == kQuadrants ? 0xFF : 0);
    frame->SetPrisms(prisms ? std::array<Prism, 2>{Prism{20, PrismBase::out}, Prism{4, PrismBase::down}}
                            : std::array<Prism, 2>{});
    g_canvas->SetPenlightShining(prisms);
}

// Times each paint on its own: the whole frame rendered, swapped and finished.
template <typename Paint>
void TimePaints(benchmark::State& state, Paint paint)
{
    TimeEachRun(state, [&] {
        paint();
        g_canvas->SwapBuffers();
        glFinish();
    });
}

void BM_PaintView(benchmark::State& state)
{
    g_canvas->m_eyeSegments = static_cast<int>(state.range(0));
    g_canvas->BuildEyeballList();
    const int aids = static_cast<int>(state.range(1));
    SetAids(aids);
    TimePaints(state, [] { g_canvas->Render(); });
    SetAids(kNoAid);
    state.SetLabel(kAidNames[aids]);
}
BENCHMARK(BM_PaintView)
    ->ArgsProduct({{15, 22, 45}, {kNoAid, kAllReachable, kAllAids}})
    ->ArgNames({"segments", "aids"})
    ->Iterations(kPaints)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintView)
    ->ArgsProduct({{22}, {kLines, kOccluder, kRedFilter, kTranslucent, kQuadrants, kPrisms}})
    ->ArgNames({"segments", "aids"})
    ->Iterations(kPaints)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The lecture hall: full screen (run on a 1920 x 1080 display), every aid a
// user can reach switched on.
void BM_PaintPresentation(benchmark::State& state)
{
    PatientApp::MainWindow()->SetPresentation(true);
    SettleEvents(20);
    const int aids = static_cast<int>(state.range(0));
    SetAids(aids);
    TimePaints(state, [] { g_canvas->Render(); });
    SetAids(kNoAid);
    const wxSize size = g_canvas->GetClientSize();
    state.SetLabel(std::to_string(size.GetWidth()) + " x " + std::to_string(size.GetHeight()) + ", " +
                   std::to_string(g_canvas->EyeballSegmentsDrawn()) + " segments, " + kAidNames[aids]);
    PatientApp::MainWindow()->SetPresentation(false);
    SettleEvents(20);
}
BENCHMARK(BM_PaintPresentation)
    ->ArgsProduct({{kNoAid, kLines, kTranslucent, kQuadrants, kAllReachable}})
    ->ArgNames({"aids"})
    ->Iterations(kPaints)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// View -> Face off and on side by side, at the default size and full screen,
// with no aid and with every aid a user can reach.
void BM_PaintFace(benchmark::State& state)
{
    const bool presentation = state.range(0) != 0;
    const int aids = static_cast<int>(state.range(1));
    const bool face = state.range(2) != 0;
    PatientApp::MainWindow()->SetPresentation(presentation);
    SettleEvents(20);
    g_face = face;
    SetAids(aids);
    TimePaints(state, [] { g_canvas->Render(); });
    g_face = false;
    SetAids(kNoAid);
    const wxSize size = g_canvas->GetClientSize();
    state.SetLabel(std::to_string(size.GetWidth()) + " x " + std::to_string(size.GetHeight()) + ", " + kAidNames[aids] +
                   (face ? ", face on" : ", face off"));
    PatientApp::MainWindow()->SetPresentation(false);
    SettleEvents(20);
}
BENCHMARK(BM_PaintFace)
    ->ArgsProduct({{0, 1}, {kNoAid, kAllReachable}, {0, 1}})
    ->ArgNames({"presentation", "aids", "face"})
    ->Iterations(kPaints)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// A picture four times the default view's size, drawn in 16 tiles.
void BM_ExportPictureFourTimes(benchmark::State& state)
{
    SetAids(kAllReachable);
    for (auto _ : state) {
        const wxImage picture = g_canvas->RenderPicture(4);
        benchmark::DoNotOptimize(picture.GetData());
    }
    SetAids(kNoAid);
    const wxSize size = g_canvas->GetClientSize();
    state.SetLabel(std::to_string(4 * size.GetWidth()) + " x " + std::to_string(4 * size.GetHeight()));
}
BENCHMARK(BM_ExportPictureFourTimes)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_ClearAndSwap(benchmark::State& state)
{
    TimePaints(state, [] { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); });
}
BENCHMARK(BM_ClearAndSwap)->Iterations(kPaints)->UseManualTime()->Unit(benchmark::kMillisecond);

// Pictures of what the paint cases draw, for comparing two builds with
// `compare -metric AE`: each size with no aid and with the reachable
// maximum, face off and on, the eyes straight and turned as far as the
// program turns them.
void SavePictures(const std::string& folder)
{
    struct Gaze {
        const char* name;
        float azimuth;
        float elevation;
    };
    const Gaze gazes[] = {{"straight", 0, 0}, {"right50", 90, 50}, {"upleft45", -30, 45}, {"down50", 180, 50}};
    PatientFrame* frame = PatientApp::MainWindow();
    for (const bool presentation : {false, true}) {
        frame->SetPresentation(presentation);
        SettleEvents(20);
        for (const bool face : {false, true}) {
            g_face = face;
            for (const int aids : {kNoAid, kAllReachable}) {
                SetAids(aids);
                for (const Gaze& gaze : gazes) {
                    for (int eye = 0; eye < 2; ++eye) {
                        g_canvas->m_gazeAzimuth[eye] = gaze.azimuth;
                        g_canvas->m_gazeElevation[eye] = gaze.elevation;
                    }
                    const std::string name = folder + "/" + (presentation ? "presentation" : "default") + "-aids" +
                                             std::to_string(aids) + "-" + gaze.name + (face ? "-face" : "") + ".png";
                    if (!g_canvas->RenderPicture(1).SaveFile(name, wxBITMAP_TYPE_PNG))
                        std::fprintf(stderr, "Could not write %s\n", name.c_str());
                    std::printf("%s: %d segments\n", name.c_str(), g_canvas->EyeballSegmentsDrawn());
                }
            }
        }
        g_face = false;
        SetAids(kNoAid);
    }
    frame->SetPresentation(false);
    SettleEvents(20);
}

bool PrepareView()
{
    g_canvas = &PatientApp::MainWindow()->View();
    if (!g_canvas->PrepareGl()) {
        std::fprintf(stderr, "The view has no GL context.\n");
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (!StartProgramUnderBenchmark(argc, argv) || !PrepareView())
        return 1;
    if (const char* folder = std::getenv("SQUINX_PAINT_PICTURES")) {
        wxInitAllImageHandlers();
        SavePictures(folder);
    } else {
        benchmark::RunSpecifiedBenchmarks();
    }
    benchmark::Shutdown();
    PatientApp::MainWindow()->Destroy();
    wxEntryCleanup();
    return 0;
}
