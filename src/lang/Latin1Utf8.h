#pragma once

#include <string>
#include <string_view>

// The language files' ISO 8859-1 bytes as UTF-8, for what is written without
// the toolkit (chart files, the console).
std::string Latin1ToUtf8(std::string_view latin1);
