#include "about/BrowserCommand.h"

namespace {
const std::string kPlaceholder = "%1";
const char kStartPageName[] = "index.html";
}  // namespace

std::string SubstituteBrowserCommand(const std::string& command, const std::string& address)
{
    std::string result;
    bool substituted = false;
    std::string::size_type from = 0;
    for (auto at = command.find(kPlaceholder); at != std::string::npos; at = command.find(kPlaceholder, from)) {
        result.append(command, from, at - from);
        result += address;
        from = at + kPlaceholder.size();
        substituted = true;
    }
    result.append(command, from, std::string::npos);
    if (!substituted)
        result += address;
    return result;
}

std::string HelpStartPage(const std::string& helpBookPath)
{
    const auto lastSeparator = helpBookPath.find_last_of("/\\");
    if (lastSeparator == std::string::npos)
        return kStartPageName;
    return helpBookPath.substr(0, lastSeparator + 1) + kStartPageName;
}
