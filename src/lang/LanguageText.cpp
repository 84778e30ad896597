#include "lang/LanguageText.h"

#include "lang/FormatCheck.h"
#include "lang/LanguageTable.h"
#include "lang/Latin1.h"

wxString LanguageText(const LanguageTable& table, int n)
{
    return FromLatin1(table.Get(n));
}

wxString FormatLanguageString(const std::string& format, const wxString& argument, const wxString& fallback)
{
    if (!IsSafeSingleArgFormat(format, FormatArg::String))
        return fallback;
    // The argument goes in after the 8-bit formatting, so a file name keeps
    // characters beyond Latin-1, the "…" of a shortened path among them.
    const std::string marker = "\x1F";
    wxString text = FromLatin1(FormatSingle(format, marker, std::string()));
    text.Replace(FromLatin1(marker), argument);
    return text;
}
