#include "lang/Latin1.h"

std::string ToLatin1(const wxString& text)
{
    std::string bytes;
    bytes.reserve(text.length());
    for (const wxUniChar c : text)
        bytes.push_back(c.GetValue() < 256 ? static_cast<char>(c.GetValue()) : '?');
    return bytes;
}

wxString FromLatin1(const std::string& bytes)
{
    return wxString(bytes.data(), wxConvISO8859_1, bytes.size());
}
