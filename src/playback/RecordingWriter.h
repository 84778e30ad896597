#pragma once

#include "playback/Recording.h"

#include <cstddef>
#include <string>

// Destination of written bytes.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    // False when the bytes could not be taken; the writer then stops.
    virtual bool Write(const char* data, std::size_t size) = 0;
};

// Writes the recording in the program's own layout: the five keyword lines
// ("Name: " and so on, each value with its own line end), an empty line, the
// column-title line, then one line per row ending in LF. Fields are separated
// by TAB and use decimal commas; the time with three decimals, every other
// value with two, or "0" when it is zero. With deviceSigns the columns 3, 11
// and 12 are written negated, as the device stores them. Stops at the first
// write the sink refuses and returns false.
bool WriteRecording(const Recording& recording, bool deviceSigns, ByteSink& sink);

// Writes the recording to path, with the device's signs when the name ends in
// ".txt". The file is replaced only once the new content is complete and on
// disk; on failure the old file is untouched and error holds an English
// message naming the file and the system's reason.
bool WriteRecordingFile(const std::filesystem::path& path, const Recording& recording, std::string& error);
