// Takes the screenshots of the README and the help books from the program
// itself: run under a virtual display by scripts/screenshots.sh.
//     take_screenshots DATA_FOLDER OUTPUT_FOLDER LANGUAGE_FILE [toolbar]
// With "toolbar" it also draws the README's labelled picture of the toolbar.
#include "app/PatientApp.h"
#include "widgets/Ids.h"
#include "frame/PatientFrame.h"
#include "widgets/PictureFile.h"
#include "lang/TextIds.h"
#include "resources/Resources.h"
#include "playback/PlaybackTimer.h"
#include "quiz/QuizFrame.h"
#include "quiz/ReviewWindow.h"
#include "view/CoverAnimationTimer.h"
#include "view/EyesCanvas.h"

#include <wx/filedlg.h>
#include <wx/checklst.h>
#include <wx/dcmemory.h>
#include <wx/filefn.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/testing.h>
#include <wx/menu.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <tuple>
#include <vector>
#include <filesystem>

wxIMPLEMENT_APP_NO_MAIN(PatientApp);

namespace {

namespace fs = std::filesystem;

void Settle()
{
    // Resizes and redraws need round trips to the display server.
    for (int i = 0; i < 50; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxYield();
        wxMilliSleep(20);
    }
}

// The view as the canvas renders it; a virtual display's screen copy may
// not hold the latest GL frame.
wxImage CanvasImage(EyesCanvas* canvas)
{
    const wxSize size = canvas->GetClientSize();
    wxImage image(size);
    if (!canvas->Render())
        return image;
    std::vector<unsigned char> rgb(static_cast<std::size_t>(size.x) * size.y * 3);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, size.x, size.y, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    const std::size_t row = static_cast<std::size_t>(size.x) * 3;
    for (int y = 0; y < size.y; ++y)
        std::copy_n(&rgb[(size.y - 1 - y) * row], row, image.GetData() + y * row);
    return image;
}

// A capture of several windows shows only them: the bare screen between
// them becomes transparent, not the virtual display's black.
void ClearAllBut(wxImage& image, const wxPoint& origin, const std::vector<wxRect>& windows)
{
    image.InitAlpha();
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x) {
            const wxPoint onScreen = origin + wxPoint(x, y);
            const bool shown = std::any_of(windows.begin(), windows.end(),
                                           [&](const wxRect& window) { return window.Contains(onScreen); });
            if (!shown)
                image.SetAlpha(x, y, wxIMAGE_ALPHA_TRANSPARENT);
        }
}

// The screen is read with ImageMagick's import: the toolkit's screen copy
// does not see redraws on a virtual display.
bool Capture(const wxRect& area, const fs::path& file, bool withView = true,
             const std::vector<wxRect>& onlyWindows = {})
{
    Settle();
    const wxString geometry = wxString::Format("%dx%d+%d+%d", area.width, area.height, area.x, area.y);
    if (wxExecute("import -window root -crop " + geometry + " +repage \"" + file.string() + "\"", wxEXEC_SYNC) != 0)
        return false;
    wxImage image(file.string(), wxBITMAP_TYPE_PNG);
    if (withView) {
        EyesCanvas* canvas = &PatientApp::MainWindow()->View();
        const wxPoint canvasOrigin = canvas->GetScreenPosition() - area.GetPosition();
        image.Paste(CanvasImage(canvas), canvasOrigin.x, canvasOrigin.y);
    }
    if (!onlyWindows.empty())
        ClearAllBut(image, area.GetPosition(), onlyWindows);
    const bool saved = image.IsOk() && image.SaveFile(file.string(), wxBITMAP_TYPE_PNG);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", file.string().c_str());
    return saved;
}

void Command(PatientFrame* frame, int id)
{
    wxCommandEvent event(wxEVT_MENU, id);
    frame->ProcessWindowEvent(event);
}

void ToggleTool(PatientFrame* frame, int id)
{
    frame->GetToolBar()->ToggleTool(id, !frame->GetToolBar()->GetToolState(id));
    Command(frame, id);
}

void ToggleCheck(PatientFrame* frame, int id)
{
    frame->GetMenuBar()->Check(id, !frame->GetMenuBar()->IsChecked(id));
    Command(frame, id);
}

void Animate(PatientFrame* frame)
{
    for (int tick = 0; tick < 20; ++tick)
        frame->CoverAnimation().Notify();
}

// The view alone, as the class sees it.
bool SaveView(PatientFrame* frame, const fs::path& file)
{
    Settle();
    const wxImage image = CanvasImage(&frame->View());
    const bool saved = image.IsOk() && image.SaveFile(file.string(), wxBITMAP_TYPE_PNG);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", file.string().c_str());
    return saved;
}

// What the face shows: a third nerve ptosis, Duane's narrowed fissure in
// adduction, a sixth nerve palsy's face turn and the head tilt that raises a
// superior oblique palsy's hypertropia.
bool TakeFacePictures(PatientFrame* frame, const fs::path& output)
{
    const int straightAhead = Id::FirstGazePosition + 4;
    const int patientsLeft = Id::FirstGazePosition + 5;
    const int tiltRight = Id::FirstHeadStep + 2;
    ToggleCheck(frame, Id::FaceItem);
    bool ok = frame->ReadCaseFile("cases/third-nerve-palsy-right.sd");
    Command(frame, straightAhead);
    ok &= SaveView(frame, output / "face-ptosis.png");
    ok &= frame->ReadCaseFile("cases/duane-syndrome-right.sd");
    Command(frame, Id::LastEccentricity);
    Command(frame, patientsLeft);
    ok &= SaveView(frame, output / "face-duane.png");
    ok &= frame->ReadCaseFile("cases/sixth-nerve-palsy-right.sd");
    Command(frame, straightAhead);
    Command(frame, Id::CompensatoryHead);
    ok &= SaveView(frame, output / "head-posture.png");
    ok &= frame->ReadCaseFile("cases/fourth-nerve-palsy-right.sd");
    for (int step = 0; step < 9; ++step)
        Command(frame, tiltRight);
    ok &= SaveView(frame, output / "head-tilt.png");
    ToggleCheck(frame, Id::FaceItem);
    Command(frame, Id::GazeFollowsPointer);
    Command(frame, Id::NewCase);
    return ok;
}

// The tools as the toolbar shows them, and below it one column per group
// of tools with every tool's name: which group covers which eye, which tool
// starts the quiz.
bool DrawToolbarLegend(PatientFrame* frame, const fs::path& file)
{
    constexpr int kMargin = 16;
    constexpr int kIcon = 32;
    constexpr int kStripStep = kIcon + 8;
    constexpr int kSeparator = 18;
    constexpr int kRow = kIcon + 10;
    constexpr int kColumnGap = 28;
    const wxSize iconSize(kIcon, kIcon);

    // The names the tools show after a language switch: the save tool's
    // first one names the save-as command.
    frame->ApplyToolTips();
    wxToolBar* toolBar = frame->GetToolBar();
    std::vector<std::vector<const wxToolBarToolBase*>> groups(1);
    for (size_t position = 0; position < toolBar->GetToolsCount(); ++position) {
        const wxToolBarToolBase* tool = toolBar->GetToolByPos(static_cast<int>(position));
        if (tool->IsSeparator())
            groups.emplace_back();
        else
            groups.back().push_back(tool);
    }
    const std::vector<wxString> headings = {"Case", "View and teaching", frame->Text(Text::EyeGroup1),
                                            frame->Text(Text::EyeGroup2), frame->Text(Text::QuadrantTab)};
    if (groups.size() != headings.size())
        return false;

    const wxFont font(wxFontInfo(12).Family(wxFONTFAMILY_SWISS));
    const wxFont bold(wxFontInfo(12).Family(wxFONTFAMILY_SWISS).Bold());
    wxBitmap measureTarget(1, 1);
    wxMemoryDC measure(measureTarget);
    std::vector<int> columnWidths;
    std::size_t rows = 0;
    for (std::size_t group = 0; group < groups.size(); ++group) {
        measure.SetFont(bold);
        int width = measure.GetTextExtent(headings[group]).x;
        measure.SetFont(font);
        for (const wxToolBarToolBase* tool : groups[group])
            width = std::max(width, kIcon + 8 + measure.GetTextExtent(tool->GetShortHelp()).x);
        columnWidths.push_back(width);
        rows = std::max(rows, groups[group].size());
    }
    int stripWidth = 0;
    for (const auto& group : groups)
        stripWidth += static_cast<int>(group.size()) * kStripStep + kSeparator;
    stripWidth -= kSeparator;
    int columnsWidth = -kColumnGap;
    for (int width : columnWidths)
        columnsWidth += width + kColumnGap;

    const int stripTop = kMargin;
    const int headingTop = stripTop + kIcon + 48;
    const int firstRowTop = headingTop + 30;
    const wxSize size(std::max(stripWidth, columnsWidth) + 2 * kMargin,
                      firstRowTop + static_cast<int>(rows) * kRow + kMargin);
    wxBitmap picture(size, 24);
    wxMemoryDC dc(picture);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetTextForeground(*wxBLACK);

    // The strip, centred, on the toolbar's grey.
    const int stripLeft = (size.x - stripWidth) / 2;
    dc.SetPen(wxPen(wxColour(190, 190, 190)));
    dc.SetBrush(wxBrush(wxColour(236, 236, 236)));
    dc.DrawRoundedRectangle(stripLeft - 8, stripTop - 6, stripWidth + 16, kIcon + 12, 4);
    std::vector<wxPoint> groupAnchors;
    int x = stripLeft;
    for (const auto& group : groups) {
        const int groupLeft = x;
        for (const wxToolBarToolBase* tool : group) {
            dc.DrawBitmap(GetBitmap(ToolBitmapName(tool->GetId()), iconSize), x, stripTop, true);
            x += kStripStep;
        }
        groupAnchors.emplace_back((groupLeft + x - 8) / 2, stripTop + kIcon + 6);
        if (groupAnchors.size() < groups.size())
            dc.DrawLine(x + kSeparator / 2 - 4, stripTop, x + kSeparator / 2 - 4, stripTop + kIcon);
        x += kSeparator;
    }

    // One column per group, joined to its place in the strip.
    const wxColour eyeTint(225, 236, 250);
    x = (size.x - columnsWidth) / 2;
    for (std::size_t group = 0; group < groups.size(); ++group) {
        const int width = columnWidths[group];
        const bool eyeGroup = group == 2 || group == 3;
        if (eyeGroup) {
            dc.SetPen(*wxTRANSPARENT_PEN);
            dc.SetBrush(wxBrush(eyeTint));
            dc.DrawRoundedRectangle(x - 8, headingTop - 6, width + 16,
                                    firstRowTop - headingTop + static_cast<int>(groups[group].size()) * kRow + 6, 6);
        }
        dc.SetPen(wxPen(wxColour(120, 120, 120)));
        dc.DrawLine(groupAnchors[group], wxPoint(x + width / 2, headingTop - 6));
        dc.SetFont(bold);
        dc.DrawText(headings[group], x, headingTop);
        dc.SetFont(font);
        int y = firstRowTop;
        for (const wxToolBarToolBase* tool : groups[group]) {
            dc.DrawBitmap(GetBitmap(ToolBitmapName(tool->GetId()), iconSize), x, y, true);
            const wxString name = tool->GetShortHelp();
            dc.DrawText(name, x + kIcon + 8, y + (kIcon - dc.GetTextExtent(name).y) / 2);
            y += kRow;
        }
        x += width + kColumnGap;
    }
    dc.SelectObject(wxNullBitmap);
    const bool saved = picture.SaveFile(file.string(), wxBITMAP_TYPE_PNG);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", file.string().c_str());
    return saved;
}

bool TakeAll(const fs::path& output, bool toolbarLegend)
{
    PatientFrame* frame = PatientApp::MainWindow();
    frame->SetPosition(wxPoint(0, 0));
    bool ok = !toolbarLegend || DrawToolbarLegend(frame, output / "toolbar.png");
    ok &= frame->ReadCaseFile("cases/esotropia-left.sd");
    ok &= Capture(frame->GetScreenRect(), output / "main-window.png");

    ToggleTool(frame, Id::OccluderEye1);
    Animate(frame);
    ok &= Capture(frame->GetScreenRect(), output / "cover-test.png");
    ToggleTool(frame, Id::OccluderEye1);
    Animate(frame);

    // The prism cover test neutralised, with the penlight's reflexes centred.
    frame->SetPrisms({Prism{}, Prism{25, PrismBase::out}});
    if (!frame->GetToolBar()->GetToolState(Id::FlashlightTool))
        ToggleTool(frame, Id::FlashlightTool);
    frame->View().SetPenlightShining(true);
    ok &= Capture(frame->GetScreenRect(), output / "measuring.png");
    frame->View().SetPenlightShining(false);
    frame->SetPrisms({});

    // The chart windows of a palsy, each on its own: the view's pixels are not theirs.
    ok &= frame->ReadCaseFile("cases/sixth-nerve-palsy-right.sd");
    for (const auto& [command, window, name] :
         {std::tuple{Id::HessChart, Id::HessChartWindow, "hess-chart.png"},
          std::tuple{Id::NinePositions, Id::NinePositionsWindow, "nine-positions.png"}}) {
        Command(frame, command);
        wxWindow* chart = wxWindow::FindWindowById(window, frame);
        ok &= chart != nullptr;
        if (!chart)
            continue;
        chart->SetPosition(wxPoint(0, 0));
        ok &= Capture(chart->GetScreenRect(), output / name, false);
        chart->Hide();
    }
    Command(frame, Id::NewCase);
    ok &= TakeFacePictures(frame, output);

    wxTEST_DIALOG(Command(frame, Id::OpenRecording),
                  wxExpectModal<wxFileDialog>(wxGetCwd() + "/recordings/sample.stx"));
    frame->SeekPlayback(1200);
    ok &= frame->IsPlaybackMode() && Capture(frame->GetScreenRect(), output / "playback.png");

    Command(frame, Id::NewCase);
    ToggleTool(frame, Id::QuizTool);
    QuizFrame* quiz = frame->QuizWindow();
    const wxString quizFile =
        wxGetCwd() + (frame->LanguageFileName() == "Deutsch.lan" ? "/quiz/quiz_de.sqs" : "/quiz/quiz_en.sqs");
    wxCommandEvent open(wxEVT_BUTTON, Id::OpenCase);
    wxTEST_DIALOG(quiz->ProcessWindowEvent(open), wxExpectModal<wxFileDialog>(quizFile));
    ok &= Capture(frame->GetScreenRect().Union(quiz->GetScreenRect()), output / "quiz.png", true,
                  {frame->GetScreenRect(), quiz->GetScreenRect()});

    // The review of a first answer, away from the view so that the view's
    // pixels pasted into every capture do not cover it.
    quiz->AnswerList()->Check(0);
    for (int button : {QuizFrame::ResultsId, QuizFrame::ReviewId}) {
        wxCommandEvent click(wxEVT_BUTTON, button);
        quiz->ProcessWindowEvent(click);
    }
    quiz->ResultsDialog()->Hide();
    ReviewWindow* review = quiz->Review();
    review->SetPosition(wxPoint(frame->GetSize().x + 20, 300));
    ok &= Capture(review->GetScreenRect(), output / "review.png");
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool toolbarLegend = argc == 5 && std::string(argv[4]) == "toolbar";
    if (argc != 4 && !toolbarLegend) {
        std::fprintf(stderr, "usage: %s DATA_FOLDER OUTPUT_FOLDER LANGUAGE_FILE [toolbar]\n", argv[0]);
        return 2;
    }
    const fs::path data = fs::absolute(argv[1]);
    const fs::path output = fs::absolute(argv[2]);
    const std::string language = argv[3];
    const fs::path work = fs::temp_directory_path() / ("squinx-screenshots-" + language);
    fs::remove_all(work);
    fs::copy(data, work, fs::copy_options::recursive);
    // The program starts in the first language file it finds: keep only the
    // wanted one, and no settings that would name another.
    for (const auto& entry : fs::directory_iterator(work))
        if ((entry.path().extension() == ".lan" && entry.path().filename() != language) ||
            entry.path().filename() == "squinx.ini")
            fs::remove(entry.path());
    fs::create_directories(output);
    fs::current_path(work);

    RegisterImageHandlers();
    if (!wxEntryStart(argc, argv))
        return 1;
    delete wxLog::SetActiveTarget(new wxLogStderr);
    bool ok = wxGetApp().OnInit();
    if (ok) {
        Settle();
        ok = TakeAll(output, toolbarLegend);
        PatientApp::MainWindow()->Destroy();
        Settle();
    }
    wxEntryCleanup();
    fs::remove_all(work);
    return ok ? 0 : 1;
}
