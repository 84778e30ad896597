#pragma once

#include <string>

// The command line that opens address in the browser registered for web
// addresses: every "%1" in command becomes the address; a command without a
// placeholder gets the address appended as it is, with no blank between.
std::string SubstituteBrowserCommand(const std::string& command, const std::string& address);

// The start page of the help book whose project file is helpBookPath (a
// language file's help entry, relative, '/' or '\' between folders): the
// file index.html in the book's folder.
std::string HelpStartPage(const std::string& helpBookPath);
