#pragma once

#include <wx/string.h>

#include <functional>

// Opens a web or file address in the user's browser and returns at once,
// without waiting for the browser or checking whether it started.
void OpenUrl(const wxString& address);

// Replaces the browser launch behind OpenUrl for as long as it lives, so
// tests see the address without a browser appearing.
class ScopedUrlOpener {
public:
    using Opener = std::function<void(const wxString& address)>;

    explicit ScopedUrlOpener(Opener opener);
    ~ScopedUrlOpener();
    ScopedUrlOpener(const ScopedUrlOpener&) = delete;
    ScopedUrlOpener& operator=(const ScopedUrlOpener&) = delete;

private:
    Opener m_previous;
};
