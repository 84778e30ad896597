#include "settings/WindowTitle.h"

namespace {

constexpr std::size_t kMaxShownNameLength = 40;

std::string Bracketed(const std::string& productTitle, const std::string& name, bool modified)
{
    std::string shown = productTitle + " [";
    if (name.size() > kMaxShownNameLength)
        shown += "..." + name.substr(name.size() - kMaxShownNameLength);
    else
        shown += name;
    if (modified)
        shown += '*';
    return shown + "]";
}

}  // namespace

std::string ComposeTitle(const std::string& productTitle, const std::string& name, bool modified)
{
    if (!name.empty())
        return Bracketed(productTitle, name, modified);
    return modified ? productTitle + " [*]" : productTitle;
}

std::string ComposePlaybackTitle(const std::string& productTitle, const std::string& recordingFile,
                                 bool recordingModified)
{
    return Bracketed(productTitle, recordingFile, recordingModified);
}
