#pragma once

#include <string>

namespace quiz {

// The built-in text of a quiz string that language files may lack (those
// added after the first release), in German like the program's other
// built-in texts; "" for any other number.
const std::string& builtInQuizText(int id);

}  // namespace quiz
