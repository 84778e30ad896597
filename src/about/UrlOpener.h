#pragma once

#include <wx/string.h>

#include <functional>

// Opens a web or file address in the user's browser and returns at once,
// without waiting for the browser. False, silently, when no browser could be
// started; the caller tells the user in the program's language.
bool OpenUrl(const wxString& address);

// Replaces the browser launch behind OpenUrl for as long as it lives, so
// tests see the address without a browser appearing; the opener says
// whether a browser started.
class ScopedUrlOpener {
public:
    using Opener = std::function<bool(const wxString& address)>;

    explicit ScopedUrlOpener(Opener opener);
    ~ScopedUrlOpener();
    ScopedUrlOpener(const ScopedUrlOpener&) = delete;
    ScopedUrlOpener& operator=(const ScopedUrlOpener&) = delete;

private:
    Opener m_previous;
};
