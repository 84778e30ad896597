#pragma once

#include "lang/Latin1.h"
#include "lang/LanguageTable.h"

#include <gtest/gtest.h>
#include <wx/string.h>

#include <string>

// A shipped language file, read independently of the program, so tests can
// say which text a control should show.
class ShippedLanguage {
public:
    explicit ShippedLanguage(const std::string& fileName)
    {
        EXPECT_TRUE(m_table.Load(std::string(SQUINX_DATA_DIR) + "/" + fileName)) << fileName;
    }
    wxString operator()(int n) const { return FromLatin1(m_table.Get(n)); }

private:
    LanguageTable m_table;
};
