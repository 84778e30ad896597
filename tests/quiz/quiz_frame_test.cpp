// The quiz window driven through its buttons, with the main window beside it.
#include "FrameDriver.h"
#include "FrameFixture.h"
#include "LanguageFile.h"
#include "TestDialogs.h"

#include "app/PatientApp.h"
#include "widgets/Ids.h"
#include "lang/TextIds.h"
#include "quiz/QuizFrame.h"
#include "quiz/ReviewWindow.h"
#include "view/EyesCanvas.h"

#include <wx/arrstr.h>
#include <wx/bmpbuttn.h>
#include <wx/checkbox.h>
#include <wx/checklst.h>
#include <wx/dialog.h>
#include <wx/display.h>
#include <wx/filedlg.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>
#include <wx/textdlg.h>
#include <wx/toolbar.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>
#include <vector>

using namespace drive;

namespace {

const char kQuestions[] = "[QUESTION]\n"
                          "Question=Which nerve?\n"
                          "File=first.sd\n"
                          "AnswerBox=TEXT\n"
                          "Answer=nerve&palsy,3\n"
                          "Answer=nerve,1\n"
                          "[QUESTION]\n"
                          "Question=Which eye deviates?\n"
                          "AnswerBox=RADIO\n"
                          "Answer=right,2\n"
                          "Answer=left,0\n"
                          "Answer=both,0\n"
                          "[QUESTION]\n"
                          "Question=Which findings?\n"
                          "File=missing.sd\n"
                          "AnswerBox=CHECK\n"
                          "Answer=esotropia,1\n"
                          "Answer=exotropia,-1\n";

// Types `value` into the dialog that asks for a text, after checking that its box holds a line.
class ExpectTextEntry : public wxExpectModalBase<wxTextEntryDialog> {
public:
    explicit ExpectTextEntry(const wxString& value) : m_value(value) {}

protected:
    int OnInvoked(wxTextEntryDialog* dialog) const override
    {
        for (wxWindow* child : dialog->GetChildren()) {
            if (auto* box = dynamic_cast<wxTextCtrl*>(child)) {
                EXPECT_GE(box->GetSize().GetHeight(), box->GetCharHeight() + 6);
            }
        }
        dialog->SetValue(m_value);
        return wxID_OK;
    }

private:
    wxString m_value;
};

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A button click as the toolkit delivers it: to the button, then up to its parents.
void ClickButton(wxWindow* button)
{
    wxCommandEvent event(wxEVT_BUTTON, button->GetId());
    event.SetEventObject(button);
    button->ProcessWindowEvent(event);
}

}  // namespace

class QuizFrameTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        CopyDataFile("English.lan");
        WriteCase("first.sd", 1500);
        WriteFile("quiz.sqs", kQuestions);
        ASSERT_TRUE(StartProgram());
        ToggleTool(m_frame, Id::QuizTool);
        m_quiz = m_frame->QuizWindow();
        ASSERT_NE(m_quiz, nullptr);
    }
    void Click(int id)
    {
        wxCommandEvent event(wxEVT_BUTTON, id);
        m_quiz->ProcessWindowEvent(event);
    }
    void OpenQuiz() { wxTEST_DIALOG(Click(Id::OpenCase), wxExpectModal<wxFileDialog>(PathOf("quiz.sqs"))); }
    void Toggle(unsigned entry, bool checked)
    {
        m_quiz->AnswerList()->Check(entry, checked);
        wxCommandEvent event(wxEVT_CHECKLISTBOX, 1009);
        event.SetInt(static_cast<int>(entry));
        m_quiz->ProcessWindowEvent(event);
    }
    QuizFrame* m_quiz = nullptr;
    const ShippedLanguage english{"English.lan"};
};

TEST_F(QuizFrameTest, OpeningShowsTheFirstQuestionAndLoadsItsCase)
{
    EXPECT_NE(m_frame->QuizWindow(), nullptr);
    EXPECT_FALSE(m_quiz->ResultButton()->IsShown());
    // The quiz locks the main window's Open, not its own, which shares the id.
    m_quiz->UpdateWindowUI(wxUPDATE_UI_RECURSE);
    EXPECT_TRUE(m_quiz->FindWindow(Id::OpenCase)->IsEnabled());
    EXPECT_FALSE(m_frame->GetMenuBar()->IsEnabled(Id::OpenCase));
    OpenQuiz();
    EXPECT_EQ(m_quiz->Session().Size(), 3u);
    EXPECT_EQ(m_frame->ExaminationNow().Model().Far(Eye::one, EyeQuantity::horizontal), 1500);
    // The title does not give the case's file name away during a quiz.
    EXPECT_EQ(m_frame->GetTitle(), english(Text::ProductTitle));
    EXPECT_EQ(m_frame->CasePath(), "first.sd");
    EXPECT_TRUE(m_quiz->NextButton()->IsShown());
    EXPECT_FALSE(m_quiz->PreviousButton()->IsShown());
    EXPECT_TRUE(m_quiz->ResultButton()->IsShown());
    EXPECT_TRUE(m_quiz->AnswerText()->IsShown());
    EXPECT_FALSE(m_quiz->AnswerList()->IsShown());
}

TEST_F(QuizFrameTest, NavigationStoresAndRestoresAnswers)
{
    OpenQuiz();
    m_quiz->AnswerText()->ChangeValue("Right NERVE palsy");
    Click(1004);
    EXPECT_TRUE(m_quiz->PreviousButton()->IsShown());
    EXPECT_TRUE(m_quiz->AnswerList()->IsShown());
    EXPECT_FALSE(m_quiz->AnswerText()->IsShown());
    Toggle(1, true);

    wxString message;
    wxTEST_DIALOG(Click(1004), ExpectMessageBox(wxID_OK, &message));  // its case file is missing
    EXPECT_NE(message.Find("missing.sd"), wxNOT_FOUND) << message;
    EXPECT_FALSE(m_quiz->NextButton()->IsShown());
    EXPECT_EQ(m_quiz->AnswerList()->GetCount(), 2u);
    EXPECT_FALSE(m_quiz->AnswerList()->IsChecked(1));

    Click(1005);
    EXPECT_TRUE(m_quiz->AnswerList()->IsChecked(1));
    Click(1005);
    EXPECT_EQ(m_quiz->AnswerText()->GetValue(), "Right NERVE palsy");
}

TEST_F(QuizFrameTest, HugeCaseFileNameIsReportedWithinTheScreen)
{
    const std::string name = std::string(5000, 'f') + ".sd";
    WriteFile("long.sqs", "[QUESTION]\nQuestion=Which?\nFile=" + name + "\nAnswerBox=TEXT\nAnswer=x,1\n");
    wxString message;
    wxTEST_DIALOG(Click(Id::OpenCase), wxExpectModal<wxFileDialog>(PathOf("long.sqs")),
                  ExpectMessageBox(wxID_OK, &message));
    EXPECT_NE(message.Find(wxString::FromUTF8("\xE2\x80\xA6")), wxNOT_FOUND) << message;
    wxString unwrapped = message;
    unwrapped.Replace("\n", "");
    EXPECT_NE(unwrapped.Find("fff.sd'"), wxNOT_FOUND) << message;  // the name's end is kept
    for (const wxString& line : wxSplit(message, '\n'))
        EXPECT_LT(line.length(), 400u);
}

TEST_F(QuizFrameTest, SingleChoiceKeepsOneEntryAndCanBeCleared)
{
    OpenQuiz();
    Click(1004);
    Toggle(0, true);
    Toggle(1, true);
    EXPECT_FALSE(m_quiz->AnswerList()->IsChecked(0));
    EXPECT_TRUE(m_quiz->AnswerList()->IsChecked(1));
    Toggle(1, false);
    Click(1005);
    EXPECT_EQ(m_quiz->Session().Questions()[1].userAnswer, "000");
}

TEST_F(QuizFrameTest, ResultsAreScoredAndShownInOneReusedDialog)
{
    OpenQuiz();
    m_quiz->AnswerText()->ChangeValue("nerve damage");
    Click(1004);
    Toggle(0, true);
    Click(1010);
    wxDialog* dialog = m_quiz->ResultsDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->IsShown());
    const wxString first = m_quiz->ResultsText()->GetValue();
    EXPECT_TRUE(first.StartsWith("1. ")) << first;  // no empty first line
    EXPECT_NE(first.Find("\n\n" + english(Text::Total) + ":"), wxNOT_FOUND) << first;
    EXPECT_TRUE(first.EndsWith(" 3/6")) << first;
    EXPECT_EQ(wxWindow::FindFocus(), dialog->FindWindow(wxID_OK));  // no text cursor in the results
    // Over the quiz window, not over the eyes it asks about.
    Yield();
    const wxRect eyes = m_frame->View().EyesArea();
    EXPECT_FALSE(
        dialog->GetScreenRect().Intersects(wxRect(m_frame->View().ClientToScreen(eyes.GetTopLeft()), eyes.GetSize())));
    EXPECT_TRUE(m_quiz->GetScreenRect().Intersects(dialog->GetScreenRect()));

    Click(1005);
    m_quiz->AnswerText()->ChangeValue("palsy of a nerve");
    Click(1010);
    EXPECT_EQ(m_quiz->ResultsDialog(), dialog);
    EXPECT_TRUE(m_quiz->ResultsText()->GetValue().EndsWith(" 5/6")) << m_quiz->ResultsText()->GetValue();
}

TEST_F(QuizFrameTest, CancelledOpenLeavesNothingToNavigate)
{
    OpenQuiz();
    wxTEST_DIALOG(Click(Id::OpenCase), wxExpectModal<wxFileDialog>(wxEmptyString, wxID_CANCEL));
    EXPECT_TRUE(m_quiz->Session().Empty());
    EXPECT_FALSE(m_quiz->NextButton()->IsShown());
    EXPECT_FALSE(m_quiz->ResultButton()->IsShown());
    Click(1010);
    EXPECT_EQ(m_quiz->ResultsDialog(), nullptr);
}

TEST_F(QuizFrameTest, ClosingTheQuizRestoresTheMainWindow)
{
    OpenQuiz();
    EXPECT_FALSE(Named<wxStaticBox>(m_frame, FrameControl::EyeBox(1)).IsShown());
    m_quiz->Close(true);
    EXPECT_EQ(m_frame->QuizWindow(), nullptr);
    EXPECT_FALSE(m_frame->GetToolBar()->GetToolState(Id::QuizTool));
    EXPECT_TRUE(m_frame->GetToolBar()->GetToolEnabled(Id::HideValuesTool));
    EXPECT_TRUE(Named<wxStaticBox>(m_frame, FrameControl::EyeBox(1)).IsShown());
    EXPECT_EQ(m_frame->ExaminationNow().Model().Far(Eye::one, EyeQuantity::horizontal), 0);
}

TEST_F(QuizFrameTest, ClosingTheMainWindowClosesTheQuizFirst)
{
    SendCommand(Id::Exit);
    EXPECT_EQ(m_frame->QuizWindow(), nullptr);
    EXPECT_TRUE(wxPendingDelete.Member(m_frame));
}

TEST_F(QuizFrameTest, ReviewOpensFromTheResultsAndSavesTheSessionAsCsv)
{
    OpenQuiz();
    m_quiz->AnswerText()->ChangeValue("nerve damage");
    Click(1004);
    Toggle(0, true);
    Click(1010);
    ASSERT_NE(m_quiz->ResultsDialog(), nullptr);
    wxWindow* reviewButton = m_quiz->ResultsDialog()->FindWindow(1011);
    ASSERT_NE(reviewButton, nullptr);
    EXPECT_EQ(reviewButton->GetLabel(), english(Text::ReviewButton));
    ClickButton(reviewButton);

    ReviewWindow* review = m_quiz->Review();
    ASSERT_NE(review, nullptr);
    EXPECT_TRUE(review->IsShown());
    const wxString text = review->ReviewText()->GetValue();
    for (const char* part : {"1. Question\nWhich nerve?\nYour answer: nerve damage\nPoints: 1/3\n",
                             "    an answer naming nerve and palsy (3 points)\n    an answer naming nerve (1 point)",
                             "2. Question\nWhich eye deviates?\nYour answer: right\nPoints: 2/2\n",
                             "3. Question\nWhich findings?\nYour answer: (no answer)\nPoints: 0/1\n"})
        EXPECT_NE(text.Find(part), wxNOT_FOUND) << part << "\nin\n" << text;
    // The text ends above the buttons, which would cover its last lines.
    review->SetClientSize(520, 460);
    Yield();
    EXPECT_LT(review->ReviewText()->GetRect().GetBottom(), review->SaveButton()->GetRect().GetTop());

    const std::string saved = PathOf("results.csv");
    wxTEST_DIALOG(ClickButton(review->SaveButton()), ExpectTextEntry("  Anna Example "),
                  wxExpectModal<wxFileDialog>(PathOf("results")));
    const std::string csv = ReadBytes(saved);
    EXPECT_EQ(csv.rfind("name,Anna Example,,,\r\nquiz,quiz.sqs,,,\r\ndate,", 0), 0u) << csv;
    EXPECT_NE(csv.find("\r\nnumber,question,answer,points,maximum\r\n"
                       "1,Which nerve?,nerve damage,1,3\r\n"
                       "2,Which eye deviates?,right,2,2\r\n"
                       "3,Which findings?,,0,1\r\n"
                       "total,,,3,6\r\n"),
              std::string::npos)
        << csv;

    // The name is asked once; replacing the file is asked every time.
    wxString question;
    wxTEST_DIALOG(ClickButton(review->SaveButton()), wxExpectModal<wxFileDialog>(saved),
                  ExpectMessageBox(wxID_NO, &question));
    EXPECT_NE(question.Find("results.csv"), wxNOT_FOUND) << question;
    EXPECT_EQ(ReadBytes(saved), csv);
}

TEST_F(QuizFrameTest, ShuffledQuestionsKeepTheirNumbersAndAnswers)
{
    EXPECT_FALSE(m_quiz->ShuffleBox()->GetValue());
    OpenQuiz();
    m_quiz->ShuffleBox()->SetValue(true);
    wxCommandEvent shuffle(wxEVT_CHECKBOX, m_quiz->ShuffleBox()->GetId());
    // Question 3's case file is missing, which is reported whenever it is shown.
    wxTEST_DIALOG(m_quiz->ProcessWindowEvent(shuffle), wxExpectModal<wxMessageDialog>(wxID_OK).Optional());
    std::vector<bool> seen(3, false);
    for (int step = 0; step < 3; ++step) {
        const std::size_t question = m_quiz->Session().CurrentQuestion();
        ASSERT_LT(question, 3u);
        EXPECT_FALSE(seen[question]);
        seen[question] = true;
        if (question == 0)
            m_quiz->AnswerText()->ChangeValue("nerve palsy");
        wxTEST_DIALOG(Click(1004), wxExpectModal<wxMessageDialog>(wxID_OK).Optional());
    }
    Click(1010);
    EXPECT_TRUE(m_quiz->ResultsText()->GetValue().StartsWith("1. Question:  3/3")) << m_quiz->ResultsText()->GetValue();
}

// A measured range reads in the words of the language file.
class QuizRangeReviewTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        CopyDataFile("Deutsch.lan");
        WriteFile("measure.sqs", "[QUESTION]\nQuestion=Wie gro\xDF?\nAnswerBox=TEXT\nAnswer=20..25 BO,3\n");
        ASSERT_TRUE(StartProgram());
        ToggleTool(m_frame, Id::QuizTool);
        ASSERT_NE(m_frame->QuizWindow(), nullptr);
    }
};

TEST_F(QuizRangeReviewTest, ReviewNamesTheRangeInTheLanguageOfTheQuiz)
{
    QuizFrame* quiz = m_frame->QuizWindow();
    wxCommandEvent open(wxEVT_BUTTON, Id::OpenCase);
    wxTEST_DIALOG(quiz->ProcessWindowEvent(open), wxExpectModal<wxFileDialog>(PathOf("measure.sqs")));
    quiz->AnswerText()->ChangeValue(FromLatin1("22 pdpt Basis au\xDF"
                                               "en"));
    wxCommandEvent results(wxEVT_BUTTON, 1010);
    quiz->ProcessWindowEvent(results);
    ASSERT_NE(quiz->ResultsDialog(), nullptr);
    ClickButton(quiz->ResultsDialog()->FindWindow(1011));
    ASSERT_NE(quiz->Review(), nullptr);
    const wxString text = quiz->Review()->ReviewText()->GetValue();
    EXPECT_NE(text.Find(FromLatin1("Punkte: 3/3")), wxNOT_FOUND) << text;
    EXPECT_NE(text.Find(FromLatin1("    20 bis 25 pdpt Basis au\xDF"
                                   "en (3 Punkte)")),
              wxNOT_FOUND)
        << text;
}

// Eight answers of 200 letters each, then a short question: the list shows every
// answer whole, and the window keeps its width and place from question to question.
class QuizLayoutTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        CopyDataFile("English.lan");
        std::string questions = "[QUESTION]\nQuestion=" + LongText('q', 300) + "\nAnswerBox=CHECK\n";
        for (char letter = 'a'; letter < 'i'; ++letter)
            questions += "Answer=" + LongText(letter, 200) + ",1\n";
        questions += "[QUESTION]\nQuestion=Short?\nAnswerBox=RADIO\nAnswer=yes,1\nAnswer=no,0\n";
        WriteFile("long.sqs", questions);
        ASSERT_TRUE(StartProgram());
        ToggleTool(m_frame, Id::QuizTool);
        m_quiz = m_frame->QuizWindow();
        ASSERT_NE(m_quiz, nullptr);
        wxCommandEvent open(wxEVT_BUTTON, Id::OpenCase);
        wxTEST_DIALOG(m_quiz->ProcessWindowEvent(open), wxExpectModal<wxFileDialog>(PathOf("long.sqs")));
        Yield();
    }
    // Words of five letters, the first of each word `letter`, `length` characters in all.
    static std::string LongText(char letter, std::size_t length)
    {
        std::string text;
        while (text.size() < length)
            text += std::string(1, letter) + "word ";
        return text.substr(0, length);
    }
    QuizFrame* m_quiz = nullptr;
};

TEST_F(QuizLayoutTest, EveryAnswerShowsWholeAndTheWindowKeepsItsWidthBesideTheEyes)
{
    const wxRect screen = wxDisplay(m_quiz).GetClientArea();
    const wxRect quiz = m_quiz->GetScreenRect();
    EXPECT_TRUE(screen.Contains(quiz)) << quiz.x << "," << quiz.y << " " << quiz.width << "x" << quiz.height;
    const wxRect eyes = m_frame->View().EyesArea();
    EXPECT_FALSE(quiz.Intersects(wxRect(m_frame->View().ClientToScreen(eyes.GetTopLeft()), eyes.GetSize())));

    wxCheckListBox* list = m_quiz->AnswerList();
    ASSERT_EQ(list->GetCount(), 8u);
    const int listWidth = list->GetClientSize().GetWidth();
    for (unsigned entry = 0; entry < list->GetCount(); ++entry) {
        // Broken at word boundaries, no word lost, no line wider than the list.
        wxString joined = list->GetString(entry);
        EXPECT_GT(joined.Freq('\n'), 0) << entry;
        for (const wxString& line : wxSplit(joined, '\n', '\0'))
            EXPECT_LT(list->GetTextExtent(line).GetWidth(), listWidth - 30) << line;
        joined.Replace("\n", " ");
        EXPECT_EQ(joined, LongText(static_cast<char>('a' + entry), 200));
    }
    // Every entry is hit somewhere in the list, and below the last one is empty space.
    EXPECT_EQ(list->GetTopItem(), 0);
    std::vector<bool> seen(list->GetCount(), false);
    const int height = list->GetClientSize().GetHeight();
    for (int y = 0; y < height; ++y) {
        const int hit = list->HitTest(wxPoint(listWidth / 2, y));
        if (hit != wxNOT_FOUND)
            seen[static_cast<std::size_t>(hit)] = true;
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 8);
    EXPECT_EQ(list->HitTest(wxPoint(listWidth / 2, height - 2)), wxNOT_FOUND);

    const wxPoint next = m_quiz->NextButton()->GetScreenPosition();
    wxCommandEvent nextQuestion(wxEVT_BUTTON, m_quiz->NextButton()->GetId());
    m_quiz->ProcessWindowEvent(nextQuestion);
    Yield();
    EXPECT_LT(m_quiz->PreviousButton()->GetRect().GetRight(), m_quiz->NextButton()->GetRect().GetLeft());
    EXPECT_EQ(m_quiz->GetSize().GetWidth(), quiz.width);
    EXPECT_EQ(m_quiz->GetPosition(), quiz.GetPosition());
    wxCommandEvent previous(wxEVT_BUTTON, m_quiz->PreviousButton()->GetId());
    m_quiz->ProcessWindowEvent(previous);
    Yield();
    EXPECT_EQ(m_quiz->NextButton()->GetScreenPosition(), next);
}

// The shipped quizzes with their longest answers, in the language of each:
// every answer of every question is in sight without scrolling, and no window
// reaches beyond the screen. CTest runs it on a 1366x768 screen too.
class ShippedQuizLayoutTest : public FrameFixture,
                              public ::testing::WithParamInterface<std::pair<std::string, std::string>> {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        namespace fs = std::filesystem;
        CopyDataFile(GetParam().first);
        CopyDataFile("quiz/" + GetParam().second, GetParam().second);
        fs::copy(fs::path(SQUINX_DATA_DIR) / "cases", PathOf("cases"), fs::copy_options::recursive);
        ASSERT_TRUE(StartProgram());
        ToggleTool(m_frame, Id::QuizTool);
        m_quiz = m_frame->QuizWindow();
        ASSERT_NE(m_quiz, nullptr);
        wxCommandEvent open(wxEVT_BUTTON, Id::OpenCase);
        wxTEST_DIALOG(m_quiz->ProcessWindowEvent(open), wxExpectModal<wxFileDialog>(PathOf(GetParam().second)));
        Yield();
    }
    QuizFrame* m_quiz = nullptr;
};

TEST_P(ShippedQuizLayoutTest, EveryAnswerIsInSightAndEveryWindowOnTheScreen)
{
    const wxRect screen = wxDisplay(m_quiz).GetClientArea();
    const std::size_t questions = m_quiz->Session().Size();
    ASSERT_GE(questions, 10u);
    std::size_t listed = 0;
    for (std::size_t question = 0; question < questions; ++question) {
        ASSERT_EQ(m_quiz->Session().CurrentQuestion(), question);
        const wxRect quiz = m_quiz->GetScreenRect();
        EXPECT_TRUE(screen.Contains(quiz)) << question << ": " << quiz.x << "," << quiz.y << " " << quiz.width << "x"
                                           << quiz.height << " on " << screen.width << "x" << screen.height;
        EXPECT_TRUE(screen.Contains(m_frame->GetScreenRect())) << question;
        wxCheckListBox* list = m_quiz->AnswerList();
        if (list->IsShown()) {
            ++listed;
            EXPECT_TRUE(quiz.Contains(list->GetScreenRect())) << question;
            EXPECT_EQ(list->GetTopItem(), 0) << question;
            const wxSize inside = list->GetClientSize();
            std::vector<bool> seen(list->GetCount(), false);
            for (int y = 0; y < inside.y; ++y) {
                const int hit = list->HitTest(wxPoint(inside.x / 2, y));
                if (hit != wxNOT_FOUND)
                    seen[static_cast<std::size_t>(hit)] = true;
            }
            EXPECT_EQ(std::count(seen.begin(), seen.end(), true), static_cast<long>(list->GetCount())) << question;
            for (unsigned entry = 0; entry < list->GetCount(); ++entry)
                for (const wxString& line : wxSplit(list->GetString(entry), '\n', '\0'))
                    EXPECT_LT(list->GetTextExtent(line).GetWidth(), inside.x - 30) << line;
        }
        wxCommandEvent next(wxEVT_BUTTON, m_quiz->NextButton()->GetId());
        m_quiz->ProcessWindowEvent(next);
        Yield();
    }
    EXPECT_GE(listed, 5u);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, ShippedQuizLayoutTest,
                         ::testing::Values(std::make_pair(std::string("English.lan"), std::string("quiz_en.sqs")),
                                           std::make_pair(std::string("Deutsch.lan"), std::string("quiz_de.sqs"))),
                         [](const auto& info) { return info.param.second.substr(5, 2); });
