#pragma once

#include <string>

// Strings added after the first language files were written. A file that
// stops before one of them gets this built-in text instead of
// "--NOT DEFINED--"; it is German, like the program's other built-in texts.
// Empty for any number that is not such a string.
const std::string& BuiltInText(int id);
