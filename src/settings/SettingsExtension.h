#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Preferences added after the first release. They follow the fixed layout in
// the settings file as tagged records: four tag bytes, the payload's length
// as a 32-bit little-endian integer, then the payload. A reader skips records
// it does not know, and a file that ends with the fixed layout gives the
// defaults, so files of both ages work with programs of both ages.
struct SettingsExtension {
    // Playback speed in eighths of the recording's own tick rate (8 = as
    // recorded); the playback bar accepts only the speeds it offers.
    int playbackSpeedEighths = 8;
    // Time the trace panel shows across its width; 0 = the whole recording.
    int traceSpanMs = 0;
    // The fixing eye's corneal reflex shows slightly nasal (angle kappa).
    bool angleKappa = true;
    // Records of a newer program, whole and in their order: written back
    // after the known ones, so running this version loses none of them.
    std::vector<std::uint8_t> unknownRecords;
    // Cover changes leave each eye's torsion as it is, as in the clinic,
    // instead of rolling the eye to show the stored torsion.
    bool cycloStaysUnderCover = false;
    // View -> Face: skin, lids and brows drawn around the eyes.
    bool face = false;
    // The fixation target is drawn where the patient looks.
    bool showTarget = false;
};

// The records to append; none while every value is its default and no
// unknown record was kept, so a file written by a user who never changed
// them keeps the fixed layout's size.
std::vector<std::uint8_t> EncodeSettingsExtension(const SettingsExtension& extension);

// Reads the records in the bytes after the fixed layout. A record cut short
// ends the reading; values outside what the program writes keep their
// defaults, with an English note in corrections when it is given.
SettingsExtension DecodeSettingsExtension(const std::uint8_t* bytes, std::size_t size,
                                          const SettingsExtension& defaults, std::vector<std::string>* corrections);
