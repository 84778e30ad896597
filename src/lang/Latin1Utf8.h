#pragma once

#include <string>

// The language files' ISO 8859-1 bytes as UTF-8, for what is written without
// the toolkit (chart files, the console).
std::string Latin1ToUtf8(const std::string& latin1);
