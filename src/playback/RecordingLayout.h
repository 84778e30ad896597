#pragma once

#include "playback/Recording.h"

#include <cstddef>
#include <string>

// The head of both recording layouts, line by line. A file carries the
// keyword, one separating character (a blank when written), then the value.
struct HeaderKeyword {
    const char* text;
    std::size_t length;
    std::string RecordingHeader::*value;
};

inline constexpr HeaderKeyword kHeaderKeywords[] = {
    {"Name:", 5, &RecordingHeader::name},           {"Firstname:", 10, &RecordingHeader::firstName},
    {"ID:", 3, &RecordingHeader::patientId},        {"Examination Date:", 17, &RecordingHeader::examinationDate},
    {"Test Type:", 10, &RecordingHeader::testType},
};

// The column-title line is the first line after the keyword lines that
// begins with this.
inline constexpr char kColumnHeaderMark[] = "Time";
inline constexpr std::size_t kColumnHeaderMarkLength = 4;
