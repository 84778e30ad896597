#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

// The texts of the interface, read from one language file: entry N is line N.
// Strings hold the file's ISO 8859-1 bytes unchanged; converting them for
// display is the caller's business.
class LanguageTable {
public:
    // Limits that keep a wrong or binary file from exhausting memory; real
    // language files are a few kilobytes with short lines.
    static constexpr std::size_t MaxFileBytes = 4 * 1024 * 1024;
    static constexpr std::size_t MaxLineBytes = 64 * 1024;

    // Replaces the table by the lines of the file (CR LF, LF or CR ends a
    // line; backslash + 'n' becomes a line break). On failure the table is
    // left empty, LastError() says why, and the result is false.
    bool Load(const std::filesystem::path& path);

    // Entry n, counting from 1; outside 1..size() the built-in text of a
    // string added after the first language files, else "--NOT DEFINED--".
    const std::string& Get(int n) const;

    // Entry n, or `fallback` when the file stops before line n: strings added
    // after a file was written must not read "--NOT DEFINED--".
    const std::string& GetOr(int n, const std::string& fallback) const;

    std::size_t Size() const { return m_entries.size(); }

    // Why the last Load failed; empty after a successful one.
    const std::string& LastError() const { return m_lastError; }

private:
    bool Fail(const std::string& message);

    std::vector<std::string> m_entries;
    std::string m_lastError;
};
