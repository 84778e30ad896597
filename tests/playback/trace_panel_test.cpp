// The trace panel, the speed choice and row stepping in the main window.
#include "FrameDriver.h"
#include "FrameFixture.h"
#include "ScreenImage.h"
#include "TestDialogs.h"

#include "widgets/Ids.h"
#include "playback/PlaybackTimer.h"
#include "playback/TracePanel.h"

#include <wx/choice.h>
#include <wx/filedlg.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/slider.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

constexpr int kRows = 2500;  // ten seconds at 250 Hz

// Eye 1 looks further right row by row; eye 2 is weak in rows 1000 to 1099.
std::string LongRecording()
{
    std::string text = "Name: A\nFirstname: B\nID: 1\nExamination Date: today\nTest Type: saccades\n\nTime\tx\n";
    for (int row = 0; row < kRows; ++row) {
        const std::string quality2 = row >= 1000 && row < 1100 ? "0,1" : "1";
        text += std::to_string(row * 4 / 1000) + "," + std::to_string(1000 + row * 4 % 1000).substr(1) +
                "\t0\t0\t1\t2\t0\t" + quality2 + "\t0\t0\t0\t-" + std::to_string(row / 100) + "\t1\t0\t1\n";
    }
    return text;
}

// Share of the pixels that differ between two pictures of one size.
double DifferingShare(const wxImage& a, const wxImage& b)
{
    if (!a.IsOk() || !b.IsOk() || a.GetSize() != b.GetSize())
        return 1.0;
    const int count = a.GetWidth() * a.GetHeight();
    int differing = 0;
    for (int i = 0; i < 3 * count; i += 3)
        differing += std::abs(a.GetData()[i] - b.GetData()[i]) + std::abs(a.GetData()[i + 1] - b.GetData()[i + 1]) +
                         std::abs(a.GetData()[i + 2] - b.GetData()[i + 2]) >
                     24;
    return static_cast<double>(differing) / count;
}

class TracePanelTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        CopyDataFile("English.lan");
        WriteFile("long.stx", LongRecording());
        ASSERT_TRUE(StartProgram());
    }
    void Open()
    {
        wxTEST_DIALOG(SendCommand(Id::OpenRecording), wxExpectModal<wxFileDialog>(PathOf("long.stx")));
        Yield();
    }
    TracePanel& Trace() { return drive::Control<TracePanel>(m_frame, Id::TracePanel); }
    PlaybackTimer& Player() { return m_frame->Playback(); }
    void Mouse(wxEventType type, int x, bool leftDown, int wheel = 0)
    {
        wxMouseEvent event(type);
        event.SetPosition(wxPoint(x, Trace().PlotArea().y + 10));
        event.m_leftDown = leftDown;
        event.m_wheelRotation = wheel;
        event.m_wheelDelta = 120;
        event.SetEventObject(&Trace());
        Trace().ProcessWindowEvent(event);
    }
    void Press(int key)
    {
        wxKeyEvent event(wxEVT_CHAR_HOOK);
        event.m_keyCode = key;
        m_frame->ProcessWindowEvent(event);
    }
    void Click(int id)
    {
        wxCommandEvent event(wxEVT_BUTTON, id);
        m_frame->ProcessWindowEvent(event);
    }
    void ChooseSpeed(int index)
    {
        drive::Control<wxChoice>(m_frame, Id::PlaybackSpeed).SetSelection(index);
        wxCommandEvent event(wxEVT_CHOICE, Id::PlaybackSpeed);
        event.SetInt(index);
        m_frame->ProcessWindowEvent(event);
    }
    int Row() const { return drive::Control<wxSlider>(m_frame, Id::TimeSlider).GetValue(); }
};

TEST_F(TracePanelTest, ClickingAndDraggingShowTheRowUnderThePointer)
{
    EXPECT_FALSE(Trace().IsShown());
    drive::SetQualityThreshold(m_frame, 0.5f);
    Open();
    ASSERT_TRUE(Trace().IsShown());
    const wxRect plot = Trace().PlotArea();
    ASSERT_GT(plot.width, 200);
    EXPECT_TRUE(Trace().Window().ShowsAll());

    // A quarter of the width into the whole recording is a quarter of its rows.
    const int quarter = plot.x + plot.width / 4;
    Mouse(wxEVT_LEFT_DOWN, quarter, true);
    EXPECT_EQ(Row(), (plot.width / 4) * kRows / plot.width);
    EXPECT_EQ(Trace().CursorRow(), static_cast<std::size_t>(Row()));
    EXPECT_NEAR(Trace().Window().XOfRow(Trace().CursorRow()), plot.width / 4, 1.0);
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(2), wxString::Format("t = %.3f s", Row() * 0.004));
    const wxString degree = wxString::FromUTF8("\xC2\xB0");
    EXPECT_EQ(m_frame->TextField(400)->GetValue(), wxString::Format("+%d.00", Row() / 100) + degree);

    // Dragging keeps seeking, also into the margins, where it stops at the ends.
    Mouse(wxEVT_MOTION, plot.x + plot.width / 2, true);
    EXPECT_EQ(Row(), (plot.width / 2) * kRows / plot.width);
    Mouse(wxEVT_MOTION, 0, true);
    EXPECT_EQ(Row(), 0);
    Mouse(wxEVT_LEFT_UP, 0, false);
    Mouse(wxEVT_MOTION, plot.x + plot.width / 2, false);
    EXPECT_EQ(Row(), 0);

    // A weak row of eye 2 is shown interpolated, as with the slider.
    const int weak = plot.width * 1050 / kRows;
    Mouse(wxEVT_LEFT_DOWN, plot.x + weak, true);
    Mouse(wxEVT_LEFT_UP, 0, false);
    EXPECT_EQ(Row(), weak * kRows / plot.width);
    EXPECT_EQ(m_frame->TextField(403)->GetForegroundColour(), *wxRED);
}

// GTK moved the knob of a value set by the program only at the next redraw:
// after a click into the traces it showed the click before. Each click is
// compared with a slider made afresh at the row clicked.
TEST_F(TracePanelTest, TheSliderShowsEachClickedRowAtOnce)
{
    Open();
    const wxRect plot = Trace().PlotArea();
    wxSlider* slider = &drive::Control<wxSlider>(m_frame, Id::TimeSlider);
    const auto picture = [](wxWindow* window) {
        return ScreenImage(wxRect(window->GetScreenPosition(), window->GetSize()));
    };
    for (const double fraction : {0.9, 0.1, 0.5, 0.9}) {
        Mouse(wxEVT_LEFT_DOWN, plot.x + static_cast<int>(plot.width * fraction), true);
        Mouse(wxEVT_LEFT_UP, plot.x + static_cast<int>(plot.width * fraction), false);
        ASSERT_NEAR(static_cast<double>(slider->GetValue()) / slider->GetMax(), fraction, 0.01);

        auto* frame = new wxFrame(nullptr, wxID_ANY, "reference", wxPoint(0, 0), wxDefaultSize, wxBORDER_NONE);
        auto* panel = new wxPanel(frame);
        auto* fresh =
            new wxSlider(panel, wxID_ANY, slider->GetValue(), 0, slider->GetMax(), wxPoint(0, 0), slider->GetSize());
        frame->SetClientSize(slider->GetSize());
        frame->Show();
        // Drawing takes a few rounds of the X server; wait for it, within a bound.
        double differing = 1.0;
        for (int round = 0; round < 200 && differing > 0.02; ++round) {
            Yield();
            wxMilliSleep(10);
            differing = DifferingShare(picture(slider), picture(fresh));
        }
        frame->Destroy();
        EXPECT_LE(differing, 0.02) << "clicked at " << fraction;
    }
}

TEST_F(TracePanelTest, WheelZoomsAndPlaybackScrollsTheView)
{
    Open();
    const wxRect plot = Trace().PlotArea();
    const int x = plot.x + plot.width / 3;
    const std::size_t under = Trace().Window().RowAt(plot.width / 3);
    Mouse(wxEVT_MOUSEWHEEL, x, false, 2 * 120);
    EXPECT_NEAR(static_cast<double>(Trace().Window().RowAt(plot.width / 3)), static_cast<double>(under), 1.0);
    EXPECT_EQ(Trace().SpanMs(), 6400);  // 0.8 x 0.8 of ten seconds
    // Never narrower than one second.
    for (int step = 0; step < 12; ++step)
        Mouse(wxEVT_MOUSEWHEEL, x, false, 120);
    EXPECT_EQ(Trace().SpanMs(), 1000);
    EXPECT_NEAR(static_cast<double>(Trace().Window().RowAt(plot.width / 3)), static_cast<double>(under), 1.0);

    m_frame->SeekPlayback(kRows - 1);
    EXPECT_GE(Trace().Window().XOfRow(kRows - 1), 0.0);
    EXPECT_LE(Trace().Window().XOfRow(kRows - 1), plot.width);
    Mouse(wxEVT_MOUSEWHEEL, x, false, -120 * 30);
    EXPECT_TRUE(Trace().Window().ShowsAll());
    EXPECT_EQ(Trace().SpanMs(), 0);
}

TEST_F(TracePanelTest, EverySpeedIsTrueToTheClockWhateverTheTicks)
{
    Open();
    std::int64_t now = 0;
    Player().SetClock([&now] { return now; });
    const auto playFor = [&](int milliseconds) {
        // Late and irregular ticks, as a busy machine gives them.
        for (int passed = 0; passed < milliseconds;) {
            const int step = std::min(7 + passed % 53, milliseconds - passed);
            now += step;
            passed += step;
            Player().Notify();
        }
    };
    const auto shownMs = [&] { return Row() * 4; };

    ASSERT_EQ(drive::Control<wxChoice>(m_frame, Id::PlaybackSpeed).GetString(2), wxString::FromUTF8("1\xC3\x97"));
    ChooseSpeed(2);
    Click(Id::PlaybackStart);
    playFor(1000);
    EXPECT_NEAR(shownMs(), 1000, 50);
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(2), wxString::Format("t = %.3f s", Row() * 0.004));

    ChooseSpeed(4);  // 4x, while running
    EXPECT_TRUE(Player().IsRunning());
    const int before = shownMs();
    playFor(500);
    EXPECT_NEAR(shownMs() - before, 2000, 100);

    // A click into the traces while playing goes on from there.
    ChooseSpeed(0);  // 1/4x
    m_frame->SeekPlayback(100);
    playFor(1000);
    EXPECT_NEAR(shownMs(), 400 + 250, 13);
    Click(Id::PlaybackPause);

    // The default plays twice as fast as recorded, and says so.
    EXPECT_EQ(drive::Control<wxChoice>(m_frame, Id::PlaybackSpeed).GetString(3), wxString::FromUTF8("2\xC3\x97"));
    ChooseSpeed(3);
    m_frame->SeekPlayback(0);
    Click(Id::PlaybackStart);
    playFor(1000);
    EXPECT_NEAR(shownMs(), 2000, 100);
    Click(Id::PlaybackPause);
}

TEST_F(TracePanelTest, StepsGoOneRowAndKeysOnlyWhilePausedOutsideTextFields)
{
    Open();
    Click(Id::PlaybackPreviousRow);
    EXPECT_EQ(Row(), 0);
    Click(Id::PlaybackNextRow);
    Click(Id::PlaybackNextRow);
    EXPECT_EQ(Row(), 2);
    EXPECT_EQ(Trace().CursorRow(), 2u);

    m_frame->Raise();
    Mouse(wxEVT_LEFT_DOWN, Trace().PlotArea().x, true);
    Mouse(wxEVT_LEFT_UP, Trace().PlotArea().x, false);
    Yield();
    ASSERT_EQ(wxWindow::FindFocus(), &Trace());  // a click gives the keys to the trace
    EXPECT_EQ(Row(), 0);
    Press(WXK_RIGHT);
    Press(WXK_RIGHT);
    EXPECT_EQ(Row(), 2);
    Press(WXK_LEFT);
    EXPECT_EQ(Row(), 1);

    m_frame->TextField(400)->SetFocus();
    Yield();
    ASSERT_EQ(wxWindow::FindFocus(), m_frame->TextField(400));
    Press(WXK_RIGHT);
    EXPECT_EQ(Row(), 1);

    Trace().SetFocus();
    Yield();
    Click(Id::PlaybackStart);
    Press(WXK_RIGHT);
    EXPECT_EQ(Row(), 1);
    Click(Id::PlaybackNextRow);  // a step pauses
    EXPECT_FALSE(Player().IsRunning());
    EXPECT_EQ(Row(), 2);
}

TEST_F(TracePanelTest, SpeedAndZoomComeBackAfterARestart)
{
    Open();
    ChooseSpeed(1);  // 1/2x
    Mouse(wxEVT_MOUSEWHEEL, Trace().PlotArea().x, false, 120 * 3);
    const int span = Trace().SpanMs();
    ASSERT_GT(span, 0);
    ASSERT_TRUE(Restart());
    EXPECT_EQ(drive::Control<wxChoice>(m_frame, Id::PlaybackSpeed).GetSelection(), 1);
    EXPECT_EQ(Player().SpeedEighths(), 2);
    EXPECT_EQ(Trace().SpanMs(), span);
    Open();
    EXPECT_NEAR(Trace().Window().VisibleRows() * 4.0, span, 4.0);
}

}  // namespace
