#pragma once

#include "quiz/QuizSession.h"
#include "quiz/RangeAnswer.h"

#include <wx/frame.h>

#include <optional>

class LanguageTable;
class QuizHost;
class ReviewWindow;
class wxBitmapButton;
class wxButton;
class wxCheckBox;
class wxCheckListBox;
class wxDialog;
class wxPanel;
class wxStaticBox;
class wxStaticText;
class wxTextCtrl;

// The quiz beside the main window: a question file's questions, each of
// which may load a patient case, answered and scored one after the other.
class QuizFrame : public wxFrame {
public:
    // Buttons of the results dialog and the quiz window that tools and tests press.
    static constexpr int ResultsId = 1010;
    static constexpr int ReviewId = 1011;

    // Opens beside the main window where there is room, else over its value
    // groups, never over the eyes.
    QuizFrame(wxWindow* parent, QuizHost& host, LanguageTable* languageTable);

    void ApplyLanguage();
    void ShowQuiz(bool show);

    void OnOpen(wxCommandEvent& event);
    // Replaces the questions with those of the file and shows the first; a
    // file that cannot be read is reported and leaves the quiz empty.
    void LoadQuestionFile(const wxString& path);
    void OnNext(wxCommandEvent& event);
    void OnPrevious(wxCommandEvent& event);
    void OnResults(wxCommandEvent& event);
    void OnReview(wxCommandEvent& event);
    void OnSaveResults(wxCommandEvent& event);
    void OnShuffle(wxCommandEvent& event);
    void OnToggle(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);

    const QuizSession& Session() const { return m_session; }
    wxCheckListBox* AnswerList() const { return m_answerList; }
    wxTextCtrl* AnswerText() const { return m_answerText; }
    wxDialog* ResultsDialog() const { return m_resultsDialog; }
    wxTextCtrl* ResultsText() const { return m_resultsText; }
    wxBitmapButton* NextButton() const { return m_nextButton; }
    wxBitmapButton* PreviousButton() const { return m_prevButton; }
    wxButton* ResultButton() const { return m_resultButton; }
    wxCheckBox* ShuffleBox() const { return m_shuffleBox; }
    ReviewWindow* Review() const { return m_reviewWindow; }

private:
    void ForgetQuestions();
    const std::string& Latin1Text(int n) const;
    BaseAbbreviations TraineeAbbreviations() const;
    void PlaceBesideTheEyes();
    // The question's box and the answer area take the lines their texts
    // need at the window's one width, within the screen.
    void FitToQuestion();
    void FitResultsDialog(const std::string& report);
    wxString Text(int n) const;
    void BuildControls();
    void ShowResults();
    void ShowReviewText();
    void ApplyQuestionOrder();
    bool AskTraineeName();
    void StoreAnswer();
    void ShowQuestion();
    void UpdateButtons();
    wxString QuestionBoxLabel() const;

    LanguageTable* m_languageTable;
    wxDialog* m_resultsDialog = nullptr;
    wxTextCtrl* m_resultsText = nullptr;
    wxPanel* m_panel = nullptr;
    QuizHost& m_host;
    wxStaticText* m_questionText = nullptr;
    QuizSession m_session;
    wxBitmapButton* m_nextButton = nullptr;
    wxBitmapButton* m_prevButton = nullptr;
    wxButton* m_resultButton = nullptr;
    wxStaticBox* m_questionBox = nullptr;
    wxTextCtrl* m_answerText = nullptr;
    wxCheckListBox* m_answerList = nullptr;
    wxCheckBox* m_shuffleBox = nullptr;
    ReviewWindow* m_reviewWindow = nullptr;
    wxString m_quizPath;
    // The height the questions so far have needed.
    int m_fittedHeight = 0;
    // Asked at the first save of results, then kept for this quiz window.
    std::optional<wxString> m_traineeName;
    // Unchecking the other entries of a single choice toggles them again.
    bool m_inToggle = false;

    wxDECLARE_EVENT_TABLE();
};
