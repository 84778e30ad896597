#include "frame/ToolkitLanguage.h"

#include <wx/intl.h>
#include <wx/translation.h>

#include <clocale>

namespace {

// GTK translates its texts through gettext, which reads LC_MESSAGES only.
// Windows has no such category: there the toolkit's own catalogues serve.
void UseSystemMessages([[maybe_unused]] const wxLanguageInfo* info)
{
#ifdef LC_MESSAGES
    if (info) {
        const std::string name(info->CanonicalName.utf8_str());
        for (const char* suffix : {".UTF-8", ".utf8", ""})
            if (std::setlocale(LC_MESSAGES, (name + suffix).c_str()))
                return;
    }
    std::setlocale(LC_MESSAGES, "C");
#endif
}

}  // namespace

void UseToolkitLanguage(const std::string& isoCode)
{
    const wxLanguageInfo* info = isoCode.empty() ? nullptr : wxLocale::FindLanguageInfo(isoCode);
    auto* translations = new wxTranslations;
    if (info)
        translations->SetLanguage(info->CanonicalName);
    else
        translations->SetLanguage(wxLANGUAGE_ENGLISH);
    // A missing catalogue leaves the English texts; wx logs nothing for it.
    translations->AddStdCatalog();
    wxTranslations::Set(translations);
    UseSystemMessages(info);
}
