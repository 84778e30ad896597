#include "TestDialogs.h"

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/msgdlg.h>

#include <cstdio>
#include <cstdlib>

namespace {

int g_activeHooks = 0;
int g_realDialogScopes = 0;

[[noreturn]] void Abort(const wxString& message)
{
    std::fprintf(stderr, "Dialog failure: %s\n", static_cast<const char*>(message.utf8_str()));
    std::fflush(stderr);
    std::abort();
}

class UnexpectedDialogGuard : public wxModalDialogHook {
protected:
    int Enter(wxDialog* dialog) override
    {
        if (AbortingDialogHook::IsActive() || g_realDialogScopes > 0)
            return wxID_NONE;
        wxString description = dialog->GetTitle();
        if (auto* box = dynamic_cast<wxMessageDialog*>(dialog))
            description = box->GetMessage();
        Abort("unexpected dialog \"" + description + "\" outside wxTEST_DIALOG");
    }
    void Exit(wxDialog*) override {}
};

}  // namespace

AbortingDialogHook::AbortingDialogHook(const char* file, int line, const char* func)
    : wxTestingModalHook(file, line, func)
{
    ++g_activeHooks;
}

int AbortingDialogHook::Enter(wxDialog* dialog)
{
    wxTheApp->ProcessIdle();
    return wxTestingModalHook::Enter(dialog);
}

AbortingDialogHook::~AbortingDialogHook()
{
    --g_activeHooks;
}

bool AbortingDialogHook::IsActive()
{
    return g_activeHooks > 0;
}

void AbortingDialogHook::ReportFailure(const wxString& message)
{
    Abort(message);
}

RealDialogs::RealDialogs()
{
    ++g_realDialogScopes;
}

RealDialogs::~RealDialogs()
{
    --g_realDialogScopes;
}

void InstallUnexpectedDialogGuard()
{
    static UnexpectedDialogGuard guard;
    guard.Register();
}
