#include "cli/FileKinds.h"

#include "playback/Recording.h"

namespace {

bool EndsWith(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

}  // namespace

FileKind KindOfFile(const std::string& path)
{
    if (EndsWith(path, ".sd"))
        return FileKind::Case;
    if (HasRecordingExtension(path))
        return FileKind::Recording;
    if (EndsWith(path, ".sqs"))
        return FileKind::Quiz;
    return FileKind::Unknown;
}
