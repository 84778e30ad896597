#pragma once

#include <filesystem>
#include <optional>
#include <string>

// Reads the recording at input and writes it to output exactly as the
// window's Save as would, the name's ending choosing the layout: ".txt" the
// device's export with its signs, ".stx" the program's own. With a repair
// threshold (0 < t <= 1) the weak rows are first replaced as the window's
// repair does. The output is replaced only once it is complete. On failure
// error holds an English message that names the file and, for a file that
// cannot be read, the line.
bool ConvertRecording(const std::filesystem::path& input, const std::filesystem::path& output,
                      std::optional<double> repairThreshold, std::string& error);
