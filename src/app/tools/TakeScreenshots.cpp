// Takes the screenshots of the README and the help books from the program
// itself: run under a virtual display by scripts/screenshots.sh.
//     take_screenshots DATA_FOLDER OUTPUT_FOLDER LANGUAGE_FILE
#include "app/PatientApp.h"
#include "app/ProgramState.h"
#include "frame/Ids.h"
#include "frame/PatientFrame.h"
#include "playback/PlaybackTimer.h"
#include "quiz/QuizFrame.h"
#include "quiz/ReviewWindow.h"
#include "view/CoverAnimationTimer.h"
#include "view/MyGLCanvas.h"

#include <wx/filedlg.h>
#include <wx/checklst.h>
#include <wx/filefn.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/slider.h>
#include <wx/testing.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <vector>
#include <filesystem>

wxIMPLEMENT_APP_NO_MAIN(PatientApp);

namespace {

namespace fs = std::filesystem;

void Settle() {
    // Resizes and redraws need round trips to the display server.
    for (int i = 0; i < 50; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxYield();
        wxMilliSleep(20);
    }
}

// The view as the canvas renders it; a virtual display's screen copy may
// not hold the latest GL frame.
wxImage CanvasImage(MyGLCanvas* canvas) {
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

// The screen is read with ImageMagick's import: the toolkit's screen copy
// does not see redraws on a virtual display.
bool Capture(const wxRect& area, const fs::path& file) {
    Settle();
    const wxString geometry = wxString::Format("%dx%d+%d+%d", area.width, area.height, area.x, area.y);
    if (wxExecute("import -window root -crop " + geometry + " +repage \"" + file.string() + "\"", wxEXEC_SYNC) != 0)
        return false;
    wxImage image(file.string(), wxBITMAP_TYPE_PNG);
    MyGLCanvas* canvas = g_patientFrame->m_canvas;
    const wxPoint canvasOrigin = canvas->GetScreenPosition() - area.GetPosition();
    image.Paste(CanvasImage(canvas), canvasOrigin.x, canvasOrigin.y);
    const bool saved = image.IsOk() && image.SaveFile(file.string(), wxBITMAP_TYPE_PNG);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", file.string().c_str());
    return saved;
}

void Command(PatientFrame* frame, int id) {
    wxCommandEvent event(wxEVT_MENU, id);
    frame->ProcessWindowEvent(event);
}

void ToggleTool(PatientFrame* frame, int id) {
    frame->GetToolBar()->ToggleTool(id, !frame->GetToolBar()->GetToolState(id));
    Command(frame, id);
}

void Animate(PatientFrame* frame) {
    for (int tick = 0; tick < 20; ++tick)
        frame->m_animTimerB->Notify();
}

bool TakeAll(const fs::path& output) {
    PatientFrame* frame = g_patientFrame;
    frame->SetPosition(wxPoint(0, 0));
    bool ok = frame->ReadCaseFile("cases/esotropia-left.sd");
    ok &= Capture(frame->GetScreenRect(), output / "main-window.png");

    ToggleTool(frame, Id::OccluderEye1);
    Animate(frame);
    ok &= Capture(frame->GetScreenRect(), output / "cover-test.png");
    ToggleTool(frame, Id::OccluderEye1);
    Animate(frame);

    wxTEST_DIALOG(Command(frame, Id::OpenRecording),
                  wxExpectModal<wxFileDialog>(wxGetCwd() + "/recordings/sample.stx"));
    frame->m_timeSlider->SetValue(1200);
    frame->m_playbackTimer->ShowSample();
    ok &= frame->IsPlaybackMode() && Capture(frame->GetScreenRect(), output / "playback.png");

    Command(frame, Id::NewCase);
    ToggleTool(frame, Id::QuizTool);
    QuizFrame* quiz = frame->m_quizFrame;
    const wxString quizFile = wxGetCwd() + (frame->m_languageFile == "Deutsch.lan" ? "/quiz/quiz_de.sqs"
                                                                                      : "/quiz/quiz_en.sqs");
    wxCommandEvent open(wxEVT_BUTTON, Id::OpenCase);
    wxTEST_DIALOG(quiz->ProcessWindowEvent(open), wxExpectModal<wxFileDialog>(quizFile));
    quiz->SetPosition(wxPoint(frame->GetSize().x - 120, 60));
    ok &= Capture(frame->GetScreenRect().Union(quiz->GetScreenRect()), output / "quiz.png");

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

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s DATA_FOLDER OUTPUT_FOLDER LANGUAGE_FILE\n", argv[0]);
        return 2;
    }
    const fs::path data = fs::absolute(argv[1]);
    const fs::path output = fs::absolute(argv[2]);
    const std::string language = argv[3];
    const fs::path work = fs::temp_directory_path() / ("squinx-screenshots-" + language);
    fs::remove_all(work);
    fs::copy(data, work, fs::copy_options::recursive);
    // The program starts in the first language file it finds: keep only the wanted one.
    for (const auto& entry : fs::directory_iterator(work))
        if (entry.path().extension() == ".lan" && entry.path().filename() != language)
            fs::remove(entry.path());
    fs::create_directories(output);
    fs::current_path(work);

    wxImage::AddHandler(new wxPNGHandler);
    if (!wxEntryStart(argc, argv))
        return 1;
    delete wxLog::SetActiveTarget(new wxLogStderr);
    bool ok = wxGetApp().OnInit();
    if (ok) {
        Settle();
        ok = TakeAll(output);
        g_patientFrame->Destroy();
        Settle();
    }
    wxEntryCleanup();
    fs::remove_all(work);
    return ok ? 0 : 1;
}
