// The trace panel of the main window with the one-hour recording loaded: a
// full redraw at 1000 pixels width, drawn into a bitmap, at several zooms, and
// a click that seeks, up to the row shown in the model and the controls.
// Run from a folder with a language file and texturen.dat (build/run).
#include "SyntheticRecording.h"

#include "ProgramUnderBenchmark.h"

#include "app/PatientApp.h"
#include "frame/FrameControls.h"
#include "frame/PatientFrame.h"
#include "widgets/Ids.h"
#include "playback/PlaybackTimer.h"
#include "playback/TracePanel.h"

#include <benchmark/benchmark.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/log.h>
#include <wx/slider.h>
#include <wx/utils.h>

#include <cstdio>

wxIMPLEMENT_APP_NO_MAIN(PatientApp);

namespace {

const wxSize kPanelSize(1000, 170);

TracePanel* g_trace = nullptr;

// range(0): seconds across the panel, 0 for the whole hour.
void BM_RedrawTrace(benchmark::State& state)
{
    g_trace->SetSpanMs(static_cast<int>(state.range(0)) * 1000);
    g_trace->ShowRow(450000);
    wxBitmap bitmap(kPanelSize);
    wxMemoryDC dc(bitmap);
    TimeEachRun(state, [&] { g_trace->Draw(dc, kPanelSize); });
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

void BM_SeekByClick(benchmark::State& state)
{
    g_trace->SetSpanMs(0);
    const wxRect plot = g_trace->PlotArea();
    int click = 0;
    TimeEachRun(state, [&] {
        wxMouseEvent down(wxEVT_LEFT_DOWN);
        down.SetPosition(wxPoint(plot.x + (click++ * 37) % plot.width, plot.y + 5));
        down.m_leftDown = true;
        down.SetEventObject(g_trace);
        g_trace->ProcessWindowEvent(down);
        wxMouseEvent up(wxEVT_LEFT_UP);
        up.SetEventObject(g_trace);
        g_trace->ProcessWindowEvent(up);
    });
    state.counters["row"] = FrameControl::Find<wxSlider>(PatientApp::MainWindow(), Id::TimeSlider)->GetValue();
}
BENCHMARK(BM_SeekByClick)->Iterations(200)->UseManualTime()->Unit(benchmark::kMillisecond);

bool LoadOneHourRecording()
{
    PatientFrame* frame = PatientApp::MainWindow();
    if (!frame->Playback().LoadRecordingFile(kOneHourExportPath))
        return false;
    frame->SetPlaybackMode(true);
    g_trace = FrameControl::Find<TracePanel>(frame, Id::TracePanel);
    g_trace->ShowRecording(frame->Playback().Player());
    frame->Playback().ShowSample();
    SettleEvents();
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (!EnsureOneHourExport() || !StartProgramUnderBenchmark(argc, argv) || !LoadOneHourRecording())
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PatientApp::MainWindow()->Destroy();
    wxEntryCleanup();
    return 0;
}
