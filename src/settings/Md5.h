#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The MD5 sum of size bytes as 32 lower-case hex digits, as md5sum prints
// it. Only to recognise files shipped earlier by their recorded sums; no
// protection against anyone.
std::string Md5Hex(const std::uint8_t* data, std::size_t size);
