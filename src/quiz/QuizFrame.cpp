#include "quiz/QuizFrame.h"

#include "widgets/FileChooser.h"
#include "widgets/Ids.h"
#include "quiz/QuizHost.h"
#include "widgets/ScreenText.h"
#include "lang/LanguageTable.h"
#include "lang/Latin1.h"
#include "lang/TextFit.h"
#include "lang/TextIds.h"
#include "lang/LanguageText.h"
#include "quiz/QuestionFile.h"
#include "quiz/QuestionOrder.h"
#include "quiz/QuizPlacement.h"
#include "quiz/ResultsCsv.h"
#include "quiz/ResultsReport.h"
#include "quiz/Review.h"
#include "quiz/ReviewWindow.h"
#include "quiz/Scoring.h"
#include "quiz/StoredAnswer.h"
#include "resources/Resources.h"
#include "settings/FileIo.h"
#include "settings/ToolkitPath.h"

#include <algorithm>

#include <wx/arrstr.h>
#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/checklst.h>
#include <wx/datetime.h>
#include <wx/dialog.h>
#include <wx/display.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/font.h>
#include <wx/layout.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/textdlg.h>
#include <wx/textwrapper.h>
#include <wx/toolbar.h>

#include <random>

namespace {

enum : int {
    QuestionTextId = 1002,
    NextId = 1004,
    PreviousId = 1005,
    AnswerListId = 1009,
    ShuffleId = 1013,
};

const wxSize kButtonGlyph(16, 16);

// The window keeps one width for all questions, so the buttons stay put; as
// wide as the screen and the eyes allow up to this, so answers need few lines.
constexpr int kPreferredWidth = 600;
constexpr int kLeastWidth = 380;
// Around the question text inside its box, the box's label included.
constexpr int kQuestionBoxFrame = 28;
constexpr int kLeastQuestionLines = 2;
// The answer area's distance from the question box, and below it the shuffle box and the buttons.
constexpr int kAboveAnswers = 10;
constexpr int kBelowAnswers = 65;
constexpr int kTextAnswerHeight = 110;
// A list entry beside its check box; and what each entry and the list add to the text's height.
constexpr int kCheckBoxAndMargins = 48;
constexpr int kEntryPadding = 10;
constexpr int kListFrame = 8;
// Above and below the text of the trainee's name.
constexpr int kNameBoxPadding = 10;
// A window manager's title bar and frame, kept on the screen.
constexpr int kDecoration = 40;

// A text broken at word boundaries into lines of at most a width, as the window's font measures them.
class LineBreaker : public wxTextWrapper {
public:
    wxString Break(wxWindow* window, const wxString& text, int width)
    {
        m_text.clear();
        Wrap(window, text, width);
        return m_text;
    }

protected:
    void OnOutputLine(const wxString& line) override { m_text += line; }
    void OnNewLine() override { m_text += '\n'; }

private:
    wxString m_text;
};

// A question or answer from a file, bounded for the screen before it is broken
// at word boundaries into lines of the window's width: only lines wider than
// the screen (at three pixels a letter, which no font undercuts) are wrapped
// here, so breaks come from the window's width and huge texts cost little.
wxString BoundedForBreaking(const wxString& text)
{
    const wxSize screen = wxGetDisplaySize();
    const TextBox box{static_cast<std::size_t>(std::max(8, screen.x / 3)),
                      static_cast<std::size_t>(std::max(1, screen.y / 2 / 10))};
    return wxString(FitText(text.ToStdWstring(), box, true));
}

// The main window's compact text fields must not make this one a sliver: the
// name box keeps room for a line of text.
class NameDialog : public wxTextEntryDialog {
public:
    NameDialog(wxWindow* parent, const wxString& prompt, const wxString& caption)
        : wxTextEntryDialog(parent, prompt, caption)
    {
        m_textctrl->SetMinSize(wxSize(-1, m_textctrl->GetCharHeight() + kNameBoxPadding));
        GetSizer()->SetSizeHints(this);
    }
};

ScreenRect ScreenRectOf(const wxRect& rect)
{
    return {rect.x, rect.y, rect.width, rect.height};
}

}  // namespace

wxBEGIN_EVENT_TABLE(QuizFrame, wxFrame)
    EVT_BUTTON(Id::OpenCase, QuizFrame::OnOpen)
    EVT_BUTTON(NextId, QuizFrame::OnNext)
    EVT_BUTTON(PreviousId, QuizFrame::OnPrevious)
    EVT_BUTTON(QuizFrame::ResultsId, QuizFrame::OnResults)
    EVT_BUTTON(QuizFrame::ReviewId, QuizFrame::OnReview)
    EVT_BUTTON(ReviewWindow::SaveId, QuizFrame::OnSaveResults)
    EVT_CHECKBOX(ShuffleId, QuizFrame::OnShuffle)
    EVT_CHECKLISTBOX(AnswerListId, QuizFrame::OnToggle)
    EVT_CLOSE(QuizFrame::OnClose)
wxEND_EVENT_TABLE()

QuizFrame::QuizFrame(wxWindow* parent, QuizHost& host, LanguageTable* languageTable)
    : wxFrame(parent, wxID_ANY, FitLabel(FromLatin1(languageTable->Get(Text::QuizTitle))), wxDefaultPosition,
              wxSize(kPreferredWidth, 320), wxDEFAULT_FRAME_STYLE | wxFRAME_TOOL_WINDOW | wxSIMPLE_BORDER),
      m_languageTable(languageTable), m_host(host)
{
    SetAutoLayout(true);
    BuildControls();
    PlaceBesideTheEyes();
    m_host.LeaveWholeDegrees();
}

const std::string& QuizFrame::Latin1Text(int n) const
{
    return m_languageTable->Get(n);
}

// Typed prism bases are read as trainees of the program's language write
// them; a file that names no language is read the English way.
BaseAbbreviations QuizFrame::TraineeAbbreviations() const
{
    return AbbreviationsOfLanguage(m_languageTable->GetOr(Text::LanguageCode, std::string()));
}

wxString QuizFrame::Text(int n) const
{
    return FitLabel(FromLatin1(Latin1Text(n)));
}

void QuizFrame::BuildControls()
{
    m_panel = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE | wxTAB_TRAVERSAL);
    m_panel->SetAutoLayout(true);
    auto fill = new wxLayoutConstraints;
    fill->left.SameAs(this, wxLeft);
    fill->top.SameAs(this, wxTop);
    fill->right.SameAs(this, wxRight);
    fill->bottom.SameAs(this, wxBottom);
    m_panel->SetConstraints(fill);

    m_questionBox = new wxStaticBox(m_panel, wxID_ANY, Text(Text::Question), wxPoint(10, 10), wxSize(380, 130));
    auto box = new wxLayoutConstraints;
    box->left.SameAs(m_panel, wxLeft, 7);
    box->top.SameAs(m_panel, wxTop, 7);
    box->right.SameAs(m_panel, wxRight, 7);
    box->height.Absolute(kQuestionBoxFrame + kLeastQuestionLines * GetCharHeight());
    m_questionBox->SetConstraints(box);

    m_questionText = new wxStaticText(m_panel, QuestionTextId, wxEmptyString, wxPoint(5, 20), wxSize(360, 90));
    auto question = new wxLayoutConstraints;
    question->top.SameAs(m_questionBox, wxTop, 20);
    question->left.SameAs(m_questionBox, wxLeft, 5);
    question->right.SameAs(m_questionBox, wxRight, 5);
    question->bottom.SameAs(m_questionBox, wxBottom, 5);
    m_questionText->SetConstraints(question);

    m_answerList = new wxCheckListBox(m_panel, AnswerListId, wxPoint(10, 150), wxSize(380, 110));
    m_answerText = new wxTextCtrl(m_panel, wxID_ANY, Text(Text::QuizInstructions), wxPoint(10, 150), wxSize(380, 110),
                                  wxTE_MULTILINE);
    // The answer area leaves a row above the buttons for the shuffle box.
    for (auto [window, bottomMargin] : {std::pair<wxWindow*, int>{m_answerList, kBelowAnswers}, {m_answerText, 60}}) {
        auto area = new wxLayoutConstraints;
        area->top.Below(m_questionBox, kAboveAnswers);
        area->left.SameAs(m_questionBox, wxLeft);
        area->right.SameAs(m_panel, wxRight, 7);
        area->bottom.SameAs(m_panel, wxBottom, bottomMargin);
        window->SetConstraints(area);
    }
    m_answerList->Hide();

    auto bottomRow = [this](wxLayoutConstraints* c) {
        c->top.SameAs(m_panel, wxBottom, -30);
        c->bottom.SameAs(m_panel, wxBottom, 7);
    };
    auto* open = new wxBitmapButton(m_panel, Id::OpenCase, GetBitmapResource("open-case", kButtonGlyph));
    auto openPlace = new wxLayoutConstraints;
    bottomRow(openPlace);
    openPlace->left.SameAs(m_panel, wxLeft, 7);
    openPlace->width.AsIs();
    open->SetConstraints(openPlace);

    m_nextButton = new wxBitmapButton(m_panel, NextId, GetBitmapResource("next", kButtonGlyph));
    auto nextPlace = new wxLayoutConstraints;
    bottomRow(nextPlace);
    nextPlace->right.SameAs(m_panel, wxRight, 7);
    nextPlace->width.AsIs();
    m_nextButton->SetConstraints(nextPlace);

    m_prevButton = new wxBitmapButton(m_panel, PreviousId, GetBitmapResource("previous", kButtonGlyph));
    auto previousPlace = new wxLayoutConstraints;
    bottomRow(previousPlace);
    previousPlace->right.LeftOf(m_nextButton, 7);
    previousPlace->width.AsIs();
    m_prevButton->SetConstraints(previousPlace);

    m_resultButton = new wxButton(m_panel, ResultsId, Text(Text::ResultsButton));
    auto resultPlace = new wxLayoutConstraints;
    bottomRow(resultPlace);
    resultPlace->centreX.SameAs(m_panel, wxCentreX);
    resultPlace->width.PercentOf(m_panel, wxWidth, 20);
    m_resultButton->SetConstraints(resultPlace);

    m_shuffleBox = new wxCheckBox(m_panel, ShuffleId, Text(Text::ShuffleQuestions));
    auto shufflePlace = new wxLayoutConstraints;
    shufflePlace->left.SameAs(m_panel, wxLeft, 7);
    shufflePlace->bottom.SameAs(m_panel, wxBottom, 35);
    shufflePlace->width.AsIs();
    shufflePlace->height.AsIs();
    m_shuffleBox->SetConstraints(shufflePlace);

    m_nextButton->Hide();
    m_prevButton->Hide();
    m_resultButton->Hide();
}

wxString QuizFrame::QuestionBoxLabel() const
{
    if (m_session.Empty())
        return Text(Text::Question);
    // The number in the file, so that the results and the review name the
    // same question when the order is shuffled.
    return wxString::Format("%d. %s", static_cast<int>(m_session.CurrentQuestion()) + 1, Text(Text::Question));
}

void QuizFrame::ApplyLanguage()
{
    SetTitle(Text(Text::QuizTitle));
    m_questionBox->SetLabel(QuestionBoxLabel());
    m_resultButton->SetLabel(Text(Text::ResultsButton));
    m_shuffleBox->SetLabel(Text(Text::ShuffleQuestions));
    if (m_resultsDialog) {
        m_resultsDialog->SetTitle(Text(Text::ResultsTitle));
        m_resultsDialog->FindWindow(ReviewId)->SetLabel(Text(Text::ReviewButton));
    }
    if (m_reviewWindow) {
        m_reviewWindow->ApplyLanguage(Text(Text::ReviewTitle), Text(Text::SaveResultsButton));
        ShowReviewText();
    }
}

void QuizFrame::ShowQuiz(bool show)
{
    if (m_resultsDialog)
        m_resultsDialog->Show(show);
    if (m_reviewWindow)
        m_reviewWindow->Show(show);
    Show(show);
}

void QuizFrame::UpdateButtons()
{
    m_prevButton->Show(m_session.CanGoPrevious());
    m_nextButton->Show(m_session.CanGoNext());
    m_resultButton->Show(!m_session.Empty());
    m_panel->Layout();
}

void QuizFrame::ForgetQuestions()
{
    m_session.Clear();
    UpdateButtons();
    // Its answers are gone with the questions.
    if (m_reviewWindow)
        m_reviewWindow->Hide();
}

void QuizFrame::OnOpen(wxCommandEvent&)
{
    ForgetQuestions();
    const wxString path = ChooseFile(this, Text(Text::OpenQuestionsPrompt),
                                     FromLatin1(m_languageTable->Get(Text::QuestionWildcard)), wxFD_OPEN);
    if (!path.empty())
        LoadQuestionFile(path);
}

void QuizFrame::LoadQuestionFile(const wxString& path)
{
    ForgetQuestions();
    QuestionList questions;
    if (ParseQuestionFile(ToPath(path), questions) != QuestionFileStatus::Ok) {
        ShowMessage(FormatLanguageString(m_languageTable->Get(Text::FileOpenErrorFormat), FitPath(path),
                                         "Could not open " + FitPath(path) + "."),
                    wxMessageBoxCaptionStr, wxOK | wxCENTRE, this);
        return;
    }
    m_session.Load(std::move(questions));
    m_quizPath = path;
    m_fittedHeight = 0;
    if (m_session.Empty())
        return;
    ApplyQuestionOrder();
    ShowQuestion();
    UpdateButtons();
}

void QuizFrame::StoreAnswer()
{
    Question* question = m_session.Current();
    if (!question)
        return;
    std::vector<bool> checked(m_answerList->GetCount());
    for (unsigned entry = 0; entry < m_answerList->GetCount(); ++entry)
        checked[entry] = m_answerList->IsChecked(entry);
    StoreShownAnswer(*question, ToLatin1(m_answerText->GetValue()), checked);
}

void QuizFrame::ShowQuestion()
{
    const Question* question = m_session.Current();
    if (!question)
        return;
    m_questionBox->SetLabel(QuestionBoxLabel());
    m_panel->Refresh();
    if (!question->file.empty()) {
        const wxString caseFile = FromLatin1(question->file);
        if (!m_host.OpenQuizCase(caseFile))
            ShowMessage(FormatLanguageString(m_languageTable->Get(Text::FileOpenErrorFormat), FitPath(caseFile),
                                             "Could not open " + FitPath(caseFile) + "."),
                        wxMessageBoxCaptionStr, wxOK | wxCENTRE, this);
    }
    // Every question shows the answer area of its own kind, with a file line or without.
    m_answerText->Hide();
    m_answerList->Hide();
    switch (AnswerAreaFor(*question)) {
    case AnswerArea::Text:
        m_answerText->ChangeValue(FromLatin1(question->userAnswer));
        m_answerText->Show();
        break;
    case AnswerArea::ChoiceList:
        m_answerList->Clear();
        for (const std::string& answer : question->answers)
            m_answerList->Append(BoundedForBreaking(FromLatin1(answer)));
        for (unsigned entry = 0; entry < m_answerList->GetCount(); ++entry)
            m_answerList->Check(entry, IsEntryChecked(*question, entry));
        m_answerList->Show();
        break;
    case AnswerArea::None:
        break;
    }
    FitToQuestion();
}

void QuizFrame::PlaceBesideTheEyes()
{
    const wxRect screen = wxDisplay(GetParent()).GetClientArea();
    const ScreenRect placed = PlaceQuizWindow(ScreenRectOf(screen), ScreenRectOf(GetParent()->GetScreenRect()),
                                              ScreenRectOf(m_host.EyesOnScreen()), kPreferredWidth, kLeastWidth);
    SetSize(placed.x, placed.y, placed.width, GetSize().GetHeight());
    m_panel->Layout();
}

void QuizFrame::FitToQuestion()
{
    const Question* question = m_session.Current();
    const int width = GetClientSize().GetWidth();
    LineBreaker lines;
    // The question wraps at word boundaries within its box, which grows to hold it.
    const int textWidth = std::max(1, width - 2 * 7 - 2 * 5);
    m_questionText->SetLabel(
        question ? lines.Break(m_questionText, BoundedForBreaking(FromLatin1(question->text)), textWidth) : wxString());
    const int questionLines =
        std::max(kLeastQuestionLines, static_cast<int>(m_questionText->GetLabel().Freq('\n')) + 1);
    const int questionHeight = kQuestionBoxFrame + questionLines * m_questionText->GetCharHeight();
    m_questionBox->GetConstraints()->height.Absolute(questionHeight);

    // Each answer wraps onto as many lines as it needs, and the list shows them all.
    int answersHeight = kTextAnswerHeight;
    if (m_answerList->IsShown()) {
        const int entryWidth = std::max(1, width - 2 * 7 - kCheckBoxAndMargins);
        answersHeight = kListFrame;
        for (unsigned entry = 0; entry < m_answerList->GetCount(); ++entry) {
            const wxString wrapped = lines.Break(m_answerList, m_answerList->GetString(entry), entryWidth);
            m_answerList->SetString(entry, wrapped);
            answersHeight += m_answerList->GetTextExtent(wrapped).GetHeight() + kEntryPadding;
        }
    }
    const int wanted = 7 + questionHeight + kAboveAnswers + answersHeight + kBelowAnswers;
    const int room = wxDisplay(this).GetClientArea().GetBottom() + 1 - GetPosition().y - kDecoration;
    // Grown only, so the buttons at the bottom stay where they are as the questions change.
    m_fittedHeight = std::max(m_fittedHeight, std::min(wanted, room));
    SetClientSize(width, std::max(m_fittedHeight, questionHeight + kBelowAnswers + kTextAnswerHeight / 2));
    Layout();
    m_panel->Layout();
}

void QuizFrame::OnNext(wxCommandEvent&)
{
    StoreAnswer();
    if (m_session.GoNext())
        ShowQuestion();
    UpdateButtons();
}

void QuizFrame::OnPrevious(wxCommandEvent&)
{
    StoreAnswer();
    if (m_session.GoPrevious())
        ShowQuestion();
    UpdateButtons();
}

void QuizFrame::OnToggle(wxCommandEvent& event)
{
    const Question* question = m_session.Current();
    if (m_inToggle || !question || question->answerBox != AnswerBox::SingleChoice)
        return;
    m_inToggle = true;
    const int toggled = event.GetInt();
    m_answerList->SetSelection(toggled);
    for (unsigned entry = 0; entry < m_answerList->GetCount(); ++entry)
        if (static_cast<int>(entry) != toggled)
            m_answerList->Check(entry, false);
    m_inToggle = false;
}

void QuizFrame::ApplyQuestionOrder()
{
    const std::size_t count = m_session.Size();
    m_session.SetOrder(m_shuffleBox->GetValue() ? ShuffledOrder(count, std::random_device{}()) : FileOrder(count));
}

void QuizFrame::OnShuffle(wxCommandEvent&)
{
    if (m_session.Empty())
        return;
    StoreAnswer();
    ApplyQuestionOrder();
    ShowQuestion();
    UpdateButtons();
}

void QuizFrame::ShowResults()
{
    const std::string report =
        FormatResultsReport(ScoreQuiz(m_session.Questions(), TraineeAbbreviations()),
                            m_languageTable->Get(Text::Question), m_languageTable->Get(Text::Total));
    if (!m_resultsDialog) {
        m_resultsDialog = new wxDialog(this, wxID_ANY, Text(Text::ResultsTitle), wxDefaultPosition, wxSize(250, 250),
                                       wxCAPTION | wxSYSTEM_MENU);
        // The review button is handled here, where the answers are.
        m_resultsDialog->SetExtraStyle(m_resultsDialog->GetExtraStyle() & ~wxWS_EX_BLOCK_EVENTS);
        m_resultsText = new wxTextCtrl(m_resultsDialog, wxID_ANY, wxEmptyString, wxPoint(5, 5), wxSize(230, 185),
                                       wxTE_MULTILINE | wxTE_READONLY);
        // The report's columns line up in a fixed-width font.
        m_resultsText->SetFont(wxFontInfo(m_resultsText->GetFont().GetPointSize()).Family(wxFONTFAMILY_TELETYPE));
        new wxButton(m_resultsDialog, ReviewId, Text(Text::ReviewButton), wxPoint(5, 200));
        auto* ok = new wxButton(m_resultsDialog, wxID_OK, "OK", wxPoint(160, 200));
        // The keys go to the button: a read-only text shows no cursor then.
        ok->SetDefault();
        ok->SetFocus();
    }
    m_resultsText->ChangeValue(FromLatin1(report));
    FitResultsDialog(report);
}

void QuizFrame::FitResultsDialog(const std::string& report)
{
    // Every line down to the total shows whole without scrolling, within the screen.
    constexpr int kTextMargins = 16;
    constexpr int kScrollBar = 20;
    constexpr int kLeastTextWidth = 230;
    const int lineHeight = m_resultsText->GetCharHeight() + 2;
    const int lines = static_cast<int>(std::count(report.begin(), report.end(), '\n')) + 1;
    const int textHeight =
        std::min(std::max(185, lines * lineHeight + kTextMargins), wxGetDisplaySize().GetHeight() * 2 / 3);
    int widest = 0;
    for (const wxString& line : wxSplit(m_resultsText->GetValue(), '\n', '\0'))
        widest = std::max(widest, m_resultsText->GetTextExtent(line).GetWidth());
    const int textWidth =
        std::min(std::max(kLeastTextWidth, widest + kTextMargins + kScrollBar), wxGetDisplaySize().GetWidth() * 2 / 3);
    m_resultsText->SetSize(textWidth, textHeight);
    const int buttonY = 5 + textHeight + 10;
    wxWindow* review = m_resultsDialog->FindWindow(ReviewId);
    wxWindow* ok = m_resultsDialog->FindWindow(wxID_OK);
    review->Move(5, buttonY);
    ok->Move(5 + textWidth - ok->GetSize().GetWidth(), buttonY);
    const int buttonHeight = std::max(review->GetSize().GetHeight(), ok->GetSize().GetHeight());
    m_resultsDialog->SetClientSize(textWidth + 10, buttonY + buttonHeight + 8);
}

void QuizFrame::OnResults(wxCommandEvent&)
{
    if (m_session.Empty())
        return;
    StoreAnswer();
    ShowResults();
    m_resultsDialog->Show();
}

void QuizFrame::OnReview(wxCommandEvent&)
{
    if (m_session.Empty())
        return;
    // Answers changed since the results were shown count in both windows.
    StoreAnswer();
    if (m_resultsDialog)
        ShowResults();
    if (!m_reviewWindow)
        m_reviewWindow = new ReviewWindow(this, Text(Text::ReviewTitle), Text(Text::SaveResultsButton));
    ShowReviewText();
    m_reviewWindow->Show();
    m_reviewWindow->Raise();
}

void QuizFrame::ShowReviewText()
{
    ReviewLabels labels{Latin1Text(Text::Question),         Latin1Text(Text::YourAnswer),
                        Latin1Text(Text::PointsLabel),      Latin1Text(Text::WouldHaveScored),
                        Latin1Text(Text::ExplanationLabel), Latin1Text(Text::PointSingular),
                        Latin1Text(Text::PointPlural),      Latin1Text(Text::NoAnswer)};
    labels.rangeTo = Latin1Text(Text::RangeTo);
    labels.prismUnit = Latin1Text(Text::PrismUnit);
    labels.baseOut = Latin1Text(Text::PrismBaseOut);
    labels.baseIn = Latin1Text(Text::PrismBaseIn);
    labels.baseUp = Latin1Text(Text::PrismBaseUp);
    labels.baseDown = Latin1Text(Text::PrismBaseDown);
    labels.answerNaming = Latin1Text(Text::AnswerNaming);
    labels.andWord = Latin1Text(Text::AndWord);
    labels.butNot = Latin1Text(Text::ButNotWord);
    labels.orWord = Latin1Text(Text::OrWord);
    labels.answerNotNaming = Latin1Text(Text::AnswerNotNaming);
    labels.severalBases = Latin1Text(Text::SeveralBasesNamed);
    m_reviewWindow->SetReview(
        FromLatin1(FormatReview(BuildReview(m_session.Questions(), TraineeAbbreviations()), labels)));
}

bool QuizFrame::AskTraineeName()
{
    if (m_traineeName)
        return true;
    NameDialog ask(m_reviewWindow ? static_cast<wxWindow*>(m_reviewWindow) : this, Text(Text::TraineeNamePrompt),
                   Text(Text::QuizTitle));
    if (ask.ShowModal() != wxID_OK)
        return false;
    m_traineeName = ask.GetValue().Strip(wxString::both);
    return true;
}

void QuizFrame::OnSaveResults(wxCommandEvent&)
{
    if (m_session.Empty() || !AskTraineeName())
        return;
    wxWindow* parent = m_reviewWindow ? static_cast<wxWindow*>(m_reviewWindow) : this;
    wxString path = ChooseFile(parent, Text(Text::SaveResultsButton), Text(Text::ResultsWildcard), wxFD_SAVE,
                               SuggestedFileName(wxEmptyString, "quiz-results", ".csv"));
    if (path.empty())
        return;
    path = WithExtension(path, ".csv");
    if (wxFileName::FileExists(path) && !ConfirmReplace(parent, *m_languageTable, path))
        return;

    StoreAnswer();
    const ResultsHeading heading{std::string(m_traineeName->utf8_str()),
                                 std::string(wxFileName(m_quizPath).GetFullName().utf8_str()),
                                 std::string(wxDateTime::Now().FormatISODate().utf8_str())};
    const std::string csv = FormatResultsCsv(BuildReview(m_session.Questions(), TraineeAbbreviations()), heading);
    std::string error;
    if (!WriteFileAtomically(ToPath(path), csv.data(), csv.size(), error))
        ShowMessage(FormatLanguageString(m_languageTable->Get(Text::SaveFailedFormat), FitPath(path),
                                         "Could not save " + FitPath(path) + "; the previous version is unchanged.") +
                        "\n\n" + wxString::FromUTF8(error),
                    wxMessageBoxCaptionStr, wxOK | wxCENTRE, parent);
}

void QuizFrame::OnClose(wxCloseEvent&)
{
    m_session.Clear();
    m_host.QuizClosed();
    if (m_resultsDialog)
        m_resultsDialog->Hide();
    if (m_reviewWindow)
        m_reviewWindow->Hide();
    Hide();
    Destroy();
}
