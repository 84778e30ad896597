#pragma once

// Include this instead of <wx/testing.h>: every wxTEST_DIALOG block then uses
// a hook that ends the test at once on an unexpected or missing dialog, so no
// test can hang waiting for a click.
#include <wx/modalhook.h>

#include <string>

class AbortingDialogHook;
#define wxTEST_DIALOG_HOOK_CLASS AbortingDialogHook
#include <wx/testing.h>

class AbortingDialogHook : public wxTestingModalHook {
public:
    AbortingDialogHook(const char* file, int line, const char* func);
    ~AbortingDialogHook() override;

    // True while a wxTEST_DIALOG block is active.
    static bool IsActive();

protected:
    // A shown dialog's modal loop runs the idle time, which brings the tools
    // up to date behind it: so does an answered one.
    int Enter(wxDialog* dialog) override;
    void ReportFailure(const wxString& message) override;
};

// Installed for the whole test run: a dialog outside any wxTEST_DIALOG block
// fails the run with its description instead of waiting for a user.
void InstallUnexpectedDialogGuard();

// Within its scope dialogs appear for real, for what only a shown window
// tells (the size it is mapped at); the test must end each one itself.
class RealDialogs {
public:
    RealDialogs();
    ~RealDialogs();
    RealDialogs(const RealDialogs&) = delete;
    RealDialogs& operator=(const RealDialogs&) = delete;
};

#include <wx/msgdlg.h>

// Answers a message box with `answer` and keeps its text for the test to check.
class ExpectMessageBox : public wxExpectModalBase<wxMessageDialog> {
public:
    ExpectMessageBox(int answer, wxString* message) : m_answer(answer), m_message(message) {}

protected:
    int OnInvoked(wxMessageDialog* dialog) const override
    {
        if (m_message)
            *m_message = dialog->GetMessage();
        return m_answer;
    }

private:
    int m_answer;
    wxString* m_message;
};

#include <wx/filedlg.h>

// Cancels a file dialog and keeps the file name it offered.
class ExpectOfferedFileName : public wxExpectModalBase<wxFileDialog> {
public:
    explicit ExpectOfferedFileName(wxString* offered) : m_offered(offered) {}

protected:
    int OnInvoked(wxFileDialog* dialog) const override
    {
        *m_offered = dialog->GetFilename();
        return wxID_CANCEL;
    }

private:
    wxString* m_offered;
};

#include "widgets/HintDialog.h"

// Answers one of the main window's hint dialogs, optionally unticking
// "show again", and records its text.
class ExpectHint : public wxExpectModalBase<HintDialog> {
public:
    explicit ExpectHint(bool showAgain = true) : m_showAgain(showAgain) {}

protected:
    int OnInvoked(HintDialog* dialog) const override
    {
        dialog->SetShowAgain(m_showAgain);
        return wxID_CANCEL;
    }

private:
    bool m_showAgain;
};

#include "playback/DisplayOptionsDialog.h"

#include <functional>

// Works the display options' controls; the answer is the closing button.
template <>
class wxExpectModal<DisplayOptionsDialog> : public wxExpectModalBase<DisplayOptionsDialog> {
public:
    explicit wxExpectModal(std::function<int(DisplayOptionsDialog&)> answer) : m_answer(std::move(answer)) {}

protected:
    int OnInvoked(DisplayOptionsDialog* dialog) const override { return m_answer(*dialog); }

private:
    std::function<int(DisplayOptionsDialog&)> m_answer;
};
