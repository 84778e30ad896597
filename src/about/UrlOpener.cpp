#include "about/UrlOpener.h"

#include <wx/log.h>
#include <wx/utils.h>

#ifdef __WXMSW__
#include "about/BrowserCommand.h"

#include <wx/msw/registry.h>
#endif

#include <utility>

namespace {

ScopedUrlOpener::Opener& Replacement()
{
    static ScopedUrlOpener::Opener opener;
    return opener;
}

#ifdef __WXMSW__
// The browser registered for http addresses, started with its own command line.
bool LaunchBrowser(const wxString& address)
{
    static const wxString kBrowserCommandKey = "HKEY_CLASSES_ROOT\\http\\shell\\open\\command";
    wxString command;
    {
        // A missing key leaves the command empty; the address alone is then started.
        wxLogNull quiet;
        wxRegKey key(kBrowserCommandKey);
        key.QueryValue(wxEmptyString, command);
    }
    const std::string line = SubstituteBrowserCommand(command.ToStdString(wxConvUTF8), address.ToStdString(wxConvUTF8));
    return wxExecute(wxString::FromUTF8(line), wxEXEC_ASYNC) != 0;
}
#else
bool LaunchBrowser(const wxString& address)
{
    // wx's own message is English and shows an error number.
    wxLogNull quiet;
    return wxLaunchDefaultBrowser(address);
}
#endif

}  // namespace

bool OpenUrl(const wxString& address)
{
    return Replacement() ? Replacement()(address) : LaunchBrowser(address);
}

ScopedUrlOpener::ScopedUrlOpener(Opener opener) : m_previous(std::exchange(Replacement(), std::move(opener))) {}

ScopedUrlOpener::~ScopedUrlOpener()
{
    Replacement() = std::move(m_previous);
}
