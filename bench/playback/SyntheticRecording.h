#pragma once

#include <cstddef>
#include <string>

// Writes a made-up eye-movement examination in the recording device's export
// layout (".txt": CRLF line ends, decimal commas, the device's signs): rows
// samples at 250 Hz of fixations, saccades between them, and blinks during
// which both eyes' quality drops. The same seed gives the same file. False,
// with a message in error, when the file cannot be written.
bool WriteSyntheticDeviceExport(const std::string& path, std::size_t rows, unsigned seed, std::string& error);

// The one-hour recording the playback benchmarks share: 900,000 rows, seed 1.
inline constexpr std::size_t kOneHourRows = 900000;
inline constexpr const char* kOneHourExportPath = "/tmp/squinx-bench-playback-1h.txt";

// Writes it unless it exists; false, with a message on stderr, when it cannot.
bool EnsureOneHourExport();
