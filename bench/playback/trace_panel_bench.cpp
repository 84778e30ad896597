// The trace panel of the main window with the one-hour recording loaded: a
// full redraw at 1000 pixels width, drawn into a bitmap, at several zooms, and
// a click that seeks, up to the row shown in the model and the controls.
// Run from a folder with a language file and texturen.dat (build/run).
#include "SyntheticRecording.h"

#include "app/PatientApp.h"
#include "app/ProgramState.h"
#include "frame/PatientFrame.h"
#include "playback/PlaybackTimer.h"
#include "playback/TracePanel.h"

#include <benchmark/benchmark.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/log.h>
#include <wx/slider.h>
#include <wx/utils.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

wxIMPLEMENT_APP_NO_MAIN(PatientApp);

namespace {

const wxSize kPanelSize(1000, 170);

TracePanel* g_trace = nullptr;

// Times each run on its own and reports the median and the slowest.
template <typename Run>
void TimeRuns(benchmark::State& state, Run run) {
    std::vector<double> seconds;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        seconds.push_back(elapsed.count());
    }
    std::sort(seconds.begin(), seconds.end());
    state.counters["median_ms"] = seconds[seconds.size() / 2] * 1e3;
    state.counters["max_ms"] = seconds.back() * 1e3;
}

// range(0): seconds across the panel, 0 for the whole hour.
void BM_RedrawTrace(benchmark::State& state) {
    g_trace->SetSpanMs(static_cast<int>(state.range(0)) * 1000);
    g_trace->ShowRow(450000);
    wxBitmap bitmap(kPanelSize);
    wxMemoryDC dc(bitmap);
    TimeRuns(state, [&] { g_trace->Draw(dc, kPanelSize); });
}
BENCHMARK(BM_RedrawTrace)
    ->ArgName("seconds")
    ->Arg(0)
    ->Arg(600)
    ->Arg(60)
    ->Arg(1)
    ->Iterations(200)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_SeekByClick(benchmark::State& state) {
    g_trace->SetSpanMs(0);
    const wxRect plot = g_trace->PlotArea();
    int click = 0;
    TimeRuns(state, [&] {
        wxMouseEvent down(wxEVT_LEFT_DOWN);
        down.SetPosition(wxPoint(plot.x + (click++ * 37) % plot.width, plot.y + 5));
        down.m_leftDown = true;
        down.SetEventObject(g_trace);
        g_trace->ProcessWindowEvent(down);
        wxMouseEvent up(wxEVT_LEFT_UP);
        up.SetEventObject(g_trace);
        g_trace->ProcessWindowEvent(up);
    });
    state.counters["row"] = g_patientFrame->m_timeSlider->GetValue();
}
BENCHMARK(BM_SeekByClick)->Iterations(200)->UseManualTime()->Unit(benchmark::kMillisecond);

bool StartProgram(int argc, char** argv) {
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "No display: run under xvfb-run.\n");
        return false;
    }
    delete wxLog::SetActiveTarget(new wxLogStderr);
    if (!wxGetApp().OnInit() || !g_patientFrame) {
        std::fprintf(stderr, "The program did not start: run from a folder with a language file (build/run).\n");
        return false;
    }
    PatientFrame* frame = g_patientFrame;
    if (!frame->m_playbackTimer->LoadRecordingFile(kOneHourExportPath))
        return false;
    frame->SetPlaybackMode(true);
    frame->m_tracePanel->ShowRecording(frame->m_playbackTimer->Player());
    frame->m_playbackTimer->ShowSample();
    for (int i = 0; i < 10; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxYield();
        wxMilliSleep(5);
    }
    g_trace = frame->m_tracePanel;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (!EnsureOneHourExport() || !StartProgram(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_patientFrame->Destroy();
    wxEntryCleanup();
    return 0;
}
