#pragma once

#include "../support/PortableTest.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

// A fresh folder under the system's temporary directory, removed with its
// contents when the object goes.
class TempFolder {
public:
    TempFolder() : m_path(MakeTempFolder("squinx-lang-")) {}
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path(const std::string& name) const { return (m_path / name).string(); }
    std::string Folder() const { return m_path.string(); }

    // Writes the bytes exactly as given and returns the file's path.
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream out(Path(name), std::ios::binary);
        out << bytes;
        out.close();
        if (!out)
            std::abort();
        return Path(name);
    }

private:
    std::filesystem::path m_path;
};
