#pragma once

#include <string>

// Puts the toolkit's own texts (stock dialogs, the help window, key names in
// menus) into the language with this ISO 639 code. wx's catalogue is read
// directly, so it needs no system locale; GTK's texts follow only where the
// system has a locale for the language. Whatever is missing stays English,
// without a word. Number formatting is left alone: files keep their formats.
void UseToolkitLanguage(const std::string& isoCode);
