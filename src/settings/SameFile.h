#pragma once

#include <filesystem>

// Whether two names lead to one file on disk (same device and inode), so
// that another spelling of a path ("cases/x.sd", "./cases/x.sd", a link)
// counts as the same file. A name that leads to nothing is no file and so
// never the same as another.
bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b);
