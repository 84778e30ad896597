#pragma once

#include "playback/Recording.h"
#include "playback/RecordingWriter.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

inline std::string PlaybackDataPath(const std::string& name)
{
    return std::string(SQUINX_TEST_DATA_DIR) + "/playback/" + name;
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// The five keyword lines and the column titles of a small ".stx" file.
inline std::string StxHead()
{
    return "Name: Doe\nFirstname: Jo\nID: 7\nExamination Date: today\nTest Type: pursuit\n\nTime\tx\n";
}

// A row of 14 fields; the given values fill the first columns, the rest are "0".
inline std::string Row(std::initializer_list<const char*> first, const char* lineEnd = "\n")
{
    std::string row;
    std::size_t column = 0;
    for (const char* field : first) {
        row += (column++ == 0 ? "" : "\t");
        row += field;
    }
    for (; column < 14; ++column)
        row += column == 0 ? "0" : "\t0";
    return row + lineEnd;
}

class StringSink : public ByteSink {
public:
    bool Write(const char* data, std::size_t size) override
    {
        bytes.append(data, size);
        ++writes;
        return true;
    }
    std::string bytes;
    int writes = 0;
};

inline std::string WrittenBytes(const Recording& recording, bool deviceSigns)
{
    StringSink sink;
    WriteRecording(recording, deviceSigns, sink);
    return sink.bytes;
}

// A 14-column recording made of the given rows (stored values).
inline Recording MakeRecording(const std::vector<std::vector<std::int32_t>>& rows)
{
    const RecordingHeader header{"Doe\n", "Jo\n", "7\n", "today\n", "pursuit\n", "Time\n"};
    std::vector<std::int32_t> samples;
    for (const auto& row : rows) {
        std::vector<std::int32_t> full(row);
        full.resize(14, 0);
        samples.insert(samples.end(), full.begin(), full.end());
    }
    return Recording(header, 14, samples);
}

// A unique file name in the temporary folder.
inline std::string TempPath(const std::string& name)
{
    static int counter = 0;
    std::ostringstream path;
    path << ::testing::TempDir() << "playback_" << ::getpid() << "_" << counter++ << "_" << name;
    return path.str();
}
