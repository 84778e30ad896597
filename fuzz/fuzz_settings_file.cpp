// The settings file of the start folder, which any earlier version, another
// machine or a damaged disk may have written.
#include "FuzzSupport.h"

#include "settings/SettingsFile.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> bytes(data, data + size);
    const Settings defaults;
    std::vector<std::string> corrections;
    const Settings decoded = DecodeSettings(bytes, defaults, &corrections);

    // Whatever was read has been made sound: saved and read again, it needs
    // no repair and comes back unchanged.
    const auto encoded = EncodeSettings(decoded);
    std::vector<std::string> again;
    const Settings reread = DecodeSettings({encoded.begin(), encoded.end()}, defaults, &again);
    FUZZ_CHECK(again.empty());
    FUZZ_CHECK(EncodeSettings(reread) == encoded);

    const std::string path = Scratch().Write(kSettingsFileName, data, size);
    Settings fromFile;
    std::string error;
    FUZZ_CHECK(LoadSettingsFile(path, defaults, fromFile, nullptr, error) == SettingsFileState::Read);
    FUZZ_CHECK(EncodeSettings(fromFile) == encoded);
    return 0;
}
