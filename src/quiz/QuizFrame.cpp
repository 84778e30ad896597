#include "quiz/QuizFrame.h"

#include "app/ProgramState.h"
#include "frame/FileChooser.h"
#include "frame/Ids.h"
#include "frame/PatientFrame.h"
#include "frame/ScreenText.h"
#include "lang/LanguageTable.h"
#include "lang/Latin1.h"
#include "lang/TextIds.h"
#include "quiz/QuestionFile.h"
#include "quiz/QuestionOrder.h"
#include "quiz/ResultsCsv.h"
#include "quiz/ResultsReport.h"
#include "quiz/Review.h"
#include "quiz/ReviewWindow.h"
#include "quiz/Scoring.h"
#include "quiz/StoredAnswer.h"
#include "resources/Resources.h"
#include "settings/FileIo.h"

#include <algorithm>

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/checklst.h>
#include <wx/datetime.h>
#include <wx/dialog.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/layout.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/textdlg.h>
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

QuizFrame::QuizFrame(PatientFrame* parent, LanguageTable* languageTable, const wxString&, int x, int y)
    : wxFrame(parent, wxID_ANY, FitLabel(FromLatin1(languageTable->Get(Text::QuizTitle))), wxPoint(x, y),
              wxSize(410, 320),
              wxDEFAULT_FRAME_STYLE | wxFRAME_TOOL_WINDOW | wxSIMPLE_BORDER),
      m_languageTable(languageTable),
      m_frame(parent) {
    g_quizWindowOpen = true;
    SetAutoLayout(true);
    BuildControls();
    // The quiz's cases are written in hundredths: leave whole-degree mode
    // properly, so the controls' ranges and the stored values follow.
    if (m_frame->IsWholeDegreeMode()) {
        m_frame->GetMenuBar()->Check(Id::WholeDegreesItem, false);
        wxCommandEvent unitSwitch(wxEVT_MENU, Id::WholeDegreesItem);
        m_frame->ApplyAngleUnit(unitSwitch);
    }
}

const std::string& QuizFrame::Latin1Text(int n) const {
    return m_languageTable->Get(n);
}

// Typed prism bases are read as trainees of the program's language write
// them; a file that names no language is read the English way.
quiz::BaseAbbreviations QuizFrame::TraineeAbbreviations() const {
    return quiz::abbreviationsOfLanguage(m_languageTable->GetOr(Text::LanguageCode, std::string()));
}

wxString QuizFrame::Text(int n) const {
    return FitLabel(FromLatin1(Latin1Text(n)));
}

void QuizFrame::BuildControls() {
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
    box->bottom.PercentOf(m_panel, wxHeight, 40);
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
    for (auto [window, bottomMargin] : {std::pair<wxWindow*, int>{m_answerList, 65}, {m_answerText, 60}}) {
        auto area = new wxLayoutConstraints;
        area->top.Below(m_questionBox, 10);
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
    auto* open = new wxBitmapButton(m_panel, Id::OpenCase, GetBitmapResource("icon2", kButtonGlyph));
    auto openPlace = new wxLayoutConstraints;
    bottomRow(openPlace);
    openPlace->left.SameAs(m_panel, wxLeft, 7);
    openPlace->width.AsIs();
    open->SetConstraints(openPlace);

    m_nextButton = new wxBitmapButton(m_panel, NextId, GetBitmapResource("iconNEXT", kButtonGlyph));
    auto nextPlace = new wxLayoutConstraints;
    bottomRow(nextPlace);
    nextPlace->right.SameAs(m_panel, wxRight, 7);
    nextPlace->width.AsIs();
    m_nextButton->SetConstraints(nextPlace);

    m_prevButton = new wxBitmapButton(m_panel, PreviousId, GetBitmapResource("iconBEFORE", kButtonGlyph));
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

wxString QuizFrame::QuestionBoxLabel() const {
    if (m_session.empty())
        return Text(Text::Question);
    // The number in the file, so that the results and the review name the
    // same question when the order is shuffled.
    return wxString::Format("%d. %s", static_cast<int>(m_session.currentQuestion()) + 1, Text(Text::Question));
}

void QuizFrame::applyLanguage() {
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

void QuizFrame::showQuiz(bool show) {
    if (m_resultsDialog)
        m_resultsDialog->Show(show);
    if (m_reviewWindow)
        m_reviewWindow->Show(show);
    Show(show);
}

void QuizFrame::UpdateButtons() {
    m_prevButton->Show(m_session.canGoPrevious());
    m_nextButton->Show(m_session.canGoNext());
    m_resultButton->Show(!m_session.empty());
    m_panel->Layout();
}

void QuizFrame::ForgetQuestions() {
    m_session.clear();
    UpdateButtons();
    // Its answers are gone with the questions.
    if (m_reviewWindow)
        m_reviewWindow->Hide();
}

void QuizFrame::OnOpen(wxCommandEvent&) {
    ForgetQuestions();
    const wxString path = ChooseFile(this, Text(Text::OpenQuestionsPrompt),
                                     FromLatin1(m_languageTable->Get(Text::QuestionWildcard)), wxFD_OPEN);
    if (!path.empty())
        LoadQuestionFile(path);
}

void QuizFrame::LoadQuestionFile(const wxString& path) {
    ForgetQuestions();
    quiz::QuestionList questions;
    if (quiz::parseQuestionFile(std::string(path.fn_str()), questions) != quiz::QuestionFileStatus::Ok) {
        ShowMessage(FormatLanguageString(m_languageTable->Get(Text::FileOpenErrorFormat), FitPath(path),
                                         "Could not open " + FitPath(path) + "."),
                    wxMessageBoxCaptionStr, wxOK | wxCENTRE, this);
        return;
    }
    m_session.load(std::move(questions));
    m_quizPath = path;
    if (m_session.empty())
        return;
    ApplyQuestionOrder();
    ShowQuestion();
    UpdateButtons();
}

void QuizFrame::StoreAnswer() {
    quiz::Question* question = m_session.current();
    if (!question)
        return;
    std::vector<bool> checked(m_answerList->GetCount());
    for (unsigned entry = 0; entry < m_answerList->GetCount(); ++entry)
        checked[entry] = m_answerList->IsChecked(entry);
    quiz::storeAnswer(*question, ToLatin1(m_answerText->GetValue()), checked);
}

void QuizFrame::ShowQuestion() {
    const quiz::Question* question = m_session.current();
    if (!question)
        return;
    m_questionBox->SetLabel(QuestionBoxLabel());
    m_panel->Refresh();
    // A question wraps in its box; FitMessage only bounds a huge one.
    m_questionText->SetLabel(FitMessage(FromLatin1(question->text)));
    m_questionText->Wrap(m_questionText->GetClientSize().GetWidth());
    if (!question->file.empty()) {
        const wxString caseFile = FromLatin1(question->file);
        if (!m_frame->ReadCaseFile(caseFile))
            ShowMessage(FormatLanguageString(m_languageTable->Get(Text::FileOpenErrorFormat), FitPath(caseFile),
                                             "Could not open " + FitPath(caseFile) + "."),
                        wxMessageBoxCaptionStr, wxOK | wxCENTRE, this);
        m_frame->UpdateTitle(wxEmptyString);
    }
    // Every question shows the answer area of its own kind, with a file line or without.
    m_answerText->Hide();
    m_answerList->Hide();
    switch (quiz::answerAreaFor(*question)) {
    case quiz::AnswerArea::Text:
        m_answerText->ChangeValue(FromLatin1(question->userAnswer));
        m_answerText->Show();
        break;
    case quiz::AnswerArea::ChoiceList:
        m_answerList->Clear();
        for (const std::string& answer : question->answers)
            m_answerList->Append(FitLabel(FromLatin1(answer)));
        for (unsigned entry = 0; entry < m_answerList->GetCount(); ++entry)
            m_answerList->Check(entry, quiz::isEntryChecked(*question, entry));
        m_answerList->Show();
        WidenForAnswers();
        break;
    case quiz::AnswerArea::None:
        break;
    }
    m_panel->Layout();
}

void QuizFrame::WidenForAnswers() {
    // Entries of a list cannot wrap: the window grows until the longest shows,
    // as far as the screen allows.
    constexpr int kCheckBoxAndMargins = 48;
    int widest = 0;
    for (unsigned entry = 0; entry < m_answerList->GetCount(); ++entry)
        widest = std::max(widest, m_answerList->GetTextExtent(m_answerList->GetString(entry)).GetWidth());
    const int missing = widest + kCheckBoxAndMargins - m_answerList->GetClientSize().GetWidth();
    if (missing <= 0)
        return;
    const int room = wxGetDisplaySize().GetWidth() - GetPosition().x - GetSize().GetWidth();
    const int grow = std::min(missing, std::max(0, room));
    if (grow == 0)
        return;
    SetSize(GetSize() + wxSize(grow, 0));
    Layout();
    m_panel->Layout();
    // The question wraps anew at the wider box.
    const quiz::Question* question = m_session.current();
    if (question) {
        m_questionText->SetLabel(FitMessage(FromLatin1(question->text)));
        m_questionText->Wrap(m_questionText->GetClientSize().GetWidth());
    }
}

void QuizFrame::OnNext(wxCommandEvent&) {
    StoreAnswer();
    if (m_session.goNext())
        ShowQuestion();
    UpdateButtons();
}

void QuizFrame::OnPrevious(wxCommandEvent&) {
    StoreAnswer();
    if (m_session.goPrevious())
        ShowQuestion();
    UpdateButtons();
}

void QuizFrame::OnToggle(wxCommandEvent& event) {
    const quiz::Question* question = m_session.current();
    if (m_inToggle || !question || question->answerBox != quiz::AnswerBox::SingleChoice)
        return;
    m_inToggle = true;
    const int toggled = event.GetInt();
    m_answerList->SetSelection(toggled);
    for (unsigned entry = 0; entry < m_answerList->GetCount(); ++entry)
        if (static_cast<int>(entry) != toggled)
            m_answerList->Check(entry, false);
    m_inToggle = false;
}

void QuizFrame::ApplyQuestionOrder() {
    const std::size_t count = m_session.size();
    m_session.setOrder(m_shuffleBox->GetValue() ? quiz::shuffledOrder(count, std::random_device{}())
                                                : quiz::fileOrder(count));
}

void QuizFrame::OnShuffle(wxCommandEvent&) {
    if (m_session.empty())
        return;
    StoreAnswer();
    ApplyQuestionOrder();
    ShowQuestion();
    UpdateButtons();
}

void QuizFrame::ShowResults() {
    const std::string report = quiz::formatResultsReport(quiz::scoreQuiz(m_session.questions(), TraineeAbbreviations()),
                                                         m_languageTable->Get(Text::Question),
                                                         m_languageTable->Get(Text::Total));
    if (!m_resultsDialog) {
        m_resultsDialog = new wxDialog(this, wxID_ANY, Text(Text::ResultsTitle), wxDefaultPosition, wxSize(250, 250),
                                       wxCAPTION | wxSYSTEM_MENU);
        // The review button is handled here, where the answers are.
        m_resultsDialog->SetExtraStyle(m_resultsDialog->GetExtraStyle() & ~wxWS_EX_BLOCK_EVENTS);
        m_resultsText = new wxTextCtrl(m_resultsDialog, wxID_ANY, wxEmptyString, wxPoint(5, 5), wxSize(230, 185),
                                       wxTE_MULTILINE | wxTE_READONLY);
        new wxButton(m_resultsDialog, ReviewId, Text(Text::ReviewButton), wxPoint(5, 200));
        new wxButton(m_resultsDialog, wxID_OK, "OK", wxPoint(160, 200));
    }
    m_resultsText->ChangeValue(FromLatin1(report));
    FitResultsDialog(report);
}

void QuizFrame::FitResultsDialog(const std::string& report) {
    // Every line down to the total shows without scrolling, within the screen.
    constexpr int kTextMargins = 16;
    const int lineHeight = m_resultsText->GetCharHeight() + 2;
    const int lines = static_cast<int>(std::count(report.begin(), report.end(), '\n')) + 1;
    const int textHeight = std::min(std::max(185, lines * lineHeight + kTextMargins),
                                    wxGetDisplaySize().GetHeight() * 2 / 3);
    m_resultsText->SetSize(230, textHeight);
    const int buttonY = 5 + textHeight + 10;
    int buttonHeight = 0;
    for (int id : {static_cast<int>(ReviewId), static_cast<int>(wxID_OK)})
        if (wxWindow* button = m_resultsDialog->FindWindow(id)) {
            button->Move(button->GetPosition().x, buttonY);
            buttonHeight = std::max(buttonHeight, button->GetSize().GetHeight());
        }
    m_resultsDialog->SetClientSize(240, buttonY + buttonHeight + 8);
}

void QuizFrame::OnResults(wxCommandEvent&) {
    if (m_session.empty())
        return;
    StoreAnswer();
    ShowResults();
    m_resultsDialog->Show();
}

void QuizFrame::OnReview(wxCommandEvent&) {
    if (m_session.empty())
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

void QuizFrame::ShowReviewText() {
    quiz::ReviewLabels labels{Latin1Text(Text::Question),         Latin1Text(Text::YourAnswer),
                              Latin1Text(Text::PointsLabel),      Latin1Text(Text::WouldHaveScored),
                              Latin1Text(Text::ExplanationLabel), Latin1Text(Text::PointSingular),
                              Latin1Text(Text::PointPlural),      Latin1Text(Text::NoAnswer)};
    labels.rangeTo = Latin1Text(Text::RangeTo);
    labels.prismUnit = Latin1Text(Text::PrismUnit);
    labels.baseOut = Latin1Text(Text::PrismBaseOut);
    labels.baseIn = Latin1Text(Text::PrismBaseIn);
    labels.baseUp = Latin1Text(Text::PrismBaseUp);
    labels.baseDown = Latin1Text(Text::PrismBaseDown);
    m_reviewWindow->SetReview(FromLatin1(quiz::formatReview(quiz::buildReview(m_session.questions(), TraineeAbbreviations()), labels)));
}

bool QuizFrame::AskTraineeName() {
    if (m_traineeName)
        return true;
    wxTextEntryDialog ask(m_reviewWindow ? static_cast<wxWindow*>(m_reviewWindow) : this,
                          Text(Text::TraineeNamePrompt), Text(Text::QuizTitle));
    if (ask.ShowModal() != wxID_OK)
        return false;
    m_traineeName = ask.GetValue().Strip(wxString::both);
    return true;
}

void QuizFrame::OnSaveResults(wxCommandEvent&) {
    if (m_session.empty() || !AskTraineeName())
        return;
    wxWindow* parent = m_reviewWindow ? static_cast<wxWindow*>(m_reviewWindow) : this;
    wxString path = ChooseFile(parent, Text(Text::SaveResultsButton), Text(Text::ResultsWildcard), wxFD_SAVE,
                               SuggestedFileName(wxEmptyString, "quiz-results", ".csv"));
    if (path.empty())
        return;
    path = WithExtension(path, ".csv");
    if (wxFileName::FileExists(path) && !ConfirmReplace(parent, path))
        return;

    StoreAnswer();
    const quiz::ResultsHeading heading{std::string(m_traineeName->utf8_str()),
                                       std::string(wxFileName(m_quizPath).GetFullName().utf8_str()),
                                       std::string(wxDateTime::Now().FormatISODate().utf8_str())};
    const std::string csv = quiz::formatResultsCsv(quiz::buildReview(m_session.questions(), TraineeAbbreviations()), heading);
    std::string error;
    if (!WriteFileAtomically(std::string(path.fn_str()), csv.data(), csv.size(), error))
        wxMessageBox(FormatLanguageString(m_languageTable->Get(Text::SaveFailedFormat), path,
                                          "Could not save " + path + "; the previous version is unchanged."),
                     wxMessageBoxCaptionStr, wxOK | wxCENTRE, parent);
}

void QuizFrame::OnClose(wxCloseEvent&) {
    m_session.clear();
    m_frame->GetToolBar()->ToggleTool(Id::QuizTool, false);
    wxCommandEvent quizOff(wxEVT_MENU, Id::QuizTool);
    m_frame->OnQuizToggle(quizOff);
    g_quizWindowOpen = false;
    if (m_resultsDialog)
        m_resultsDialog->Hide();
    if (m_reviewWindow)
        m_reviewWindow->Hide();
    Hide();
    m_frame->m_quizFrame = nullptr;
    Destroy();
}
