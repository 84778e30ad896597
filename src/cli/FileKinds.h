#pragma once

#include <filesystem>

// What a file named on the command line is opened as, by its name's ending,
// as the program's file dialogs tell the kinds apart (case-sensitive).
enum class FileKind { Case, Recording, Quiz, Unknown };

FileKind KindOfFile(const std::filesystem::path& path);
