#include "settings/FileIo.h"

#include "settings/NativeFile.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <random>
#include <system_error>
#include <thread>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kWriteBufferSize = 64 * 1024;
constexpr int kTempNameAttempts = 100;
// A temporary file is named after its target: "<target>.tmp-" and six letters or digits.
constexpr char kTempMarker[] = ".tmp-";
constexpr std::size_t kTempSuffixLength = 6;

std::string Quoted(const fs::path& path)
{
    return "\"" + PathForMessage(path) + "\"";
}

std::string Failure(const std::string& action, const fs::path& path, native::SystemError error)
{
    return "Cannot " + action + " " + Quoted(path) + ": " + native::DescribeSystemError(error) + ".";
}

std::string RandomSuffix()
{
    static const char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 generator(static_cast<std::mt19937::result_type>(
        std::random_device{}() ^ std::hash<std::thread::id>{}(std::this_thread::get_id()) ^
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count())));
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kAlphabet - 2);
    std::string suffix(kTempSuffixLength, ' ');
    for (char& c : suffix)
        c = kAlphabet[pick(generator)];
    return suffix;
}

// A symbolic link is followed so that saving keeps the link and replaces
// the file it points to.
fs::path ResolveTarget(const fs::path& path)
{
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(path, ec)))
        return path;
    const fs::path resolved = fs::weakly_canonical(path, ec);
    return ec ? path : resolved;
}

fs::path FolderOf(const fs::path& path)
{
    const fs::path folder = path.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

bool IsAsciiLetterOrDigit(fs::path::value_type c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool IsTemporaryNameOf(const fs::path::string_type& name, const fs::path::string_type& targetName)
{
    const fs::path::string_type prefix = targetName + fs::path(kTempMarker).native();
    return name.size() == prefix.size() + kTempSuffixLength && name.compare(0, prefix.size(), prefix) == 0 &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(), IsAsciiLetterOrDigit);
}

// A save killed before its rename leaves its temporary file behind; the next
// save of the same target clears it. Only regular files named by our scheme
// go, so nothing of the user's is touched.
void RemoveStaleTemporaries(const fs::path& target)
{
    const fs::path::string_type targetName = target.filename().native();
    std::error_code ec;
    for (fs::directory_iterator it(FolderOf(target), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ignored;
        if (IsTemporaryNameOf(it->path().filename().native(), targetName) &&
            it->symlink_status(ignored).type() == fs::file_type::regular)
            fs::remove(it->path(), ignored);
    }
}

}  // namespace

std::string PathForMessage(const fs::path& path)
{
    // The bytes as they are on POSIX; converted from UTF-16 on Windows.
    return path.u8string();
}

RegularFileReader::~RegularFileReader()
{
    if (m_handle != native::kNoHandle)
        native::Close(m_handle);
}

bool RegularFileReader::Open(const fs::path& path)
{
    if (m_handle != native::kNoHandle)
        native::Close(m_handle);
    m_handle = native::kNoHandle;
    m_path = path;
    m_size = 0;
    m_notAFile = false;
    m_error.clear();

    native::SystemError error = 0;
    const native::Handle handle = native::OpenForReading(path, error);
    if (handle == native::kNoHandle) {
        m_error = Failure("open", path, error);
        return false;
    }
    native::FileKind kind = native::FileKind::Other;
    if (!native::Inspect(handle, kind, m_size, error)) {
        m_error = Failure("read", path, error);
    } else if (kind == native::FileKind::Regular) {
        m_handle = handle;
        return true;
    } else {
        m_notAFile = true;
        m_error =
            Quoted(path) + (kind == native::FileKind::Folder ? " is a folder, not a file." : " is not a regular file.");
    }
    native::Close(handle);
    return false;
}

long long RegularFileReader::Read(void* data, std::size_t size)
{
    auto* bytes = static_cast<std::uint8_t*>(data);
    std::size_t done = 0;
    while (done < size) {
        native::SystemError error = 0;
        const long long n = native::Read(m_handle, bytes + done, size - done, error);
        if (n < 0) {
            m_error = Failure("read", m_path, error);
            return -1;
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<long long>(done);
}

bool RegularFileReader::Rewind()
{
    native::SystemError error = 0;
    if (native::Rewind(m_handle, error))
        return true;
    m_error = Failure("read", m_path, error);
    return false;
}

bool ReadFileBytes(const fs::path& path, std::size_t maxBytes, std::vector<std::uint8_t>& out, std::string& error)
{
    RegularFileReader file;
    if (!file.Open(path)) {
        error = file.Error();
        return false;
    }

    const auto tooLarge = [&](std::uintmax_t size) {
        error = Quoted(path) + " is too large: " + std::to_string(size) + " bytes, at most " +
                std::to_string(maxBytes) + " are accepted.";
        return false;
    };
    const std::uintmax_t reportedSize = file.Size();
    if (reportedSize > maxBytes)
        return tooLarge(reportedSize);

    // Reading one byte past the limit (or past the reported size) shows
    // whether the file is, or has grown, too large.
    const std::size_t readLimit = maxBytes < SIZE_MAX ? maxBytes + 1 : maxBytes;
    std::vector<std::uint8_t> bytes(std::min(readLimit, static_cast<std::size_t>(reportedSize) + 1));
    std::size_t filled = 0;
    for (;;) {
        const long long n = file.Read(bytes.data() + filled, bytes.size() - filled);
        if (n < 0) {
            error = file.Error();
            return false;
        }
        filled += static_cast<std::size_t>(n);
        if (filled < bytes.size())
            break;
        if (filled > maxBytes)
            return tooLarge(filled);
        if (filled == readLimit)
            break;
        bytes.resize(std::min(readLimit, bytes.size() * 2));
    }
    bytes.resize(filled);
    out.swap(bytes);
    return true;
}

bool ReadFileStart(const fs::path& path, std::size_t count, std::vector<std::uint8_t>& out, std::string& error)
{
    RegularFileReader file;
    if (!file.Open(path)) {
        error = file.Error();
        return false;
    }
    std::vector<std::uint8_t> bytes(count);
    const long long n = file.Read(bytes.data(), count);
    if (n < 0) {
        error = file.Error();
        return false;
    }
    bytes.resize(static_cast<std::size_t>(n));
    out.swap(bytes);
    return true;
}

void IgnoreFileSizeSignal()
{
    native::IgnoreFileSizeSignal();
}

bool WriteFileAtomically(const fs::path& path, const void* data, std::size_t size, std::string& error)
{
    AtomicFileWriter writer;
    if (writer.Open(path) && writer.Write(data, size) && writer.Commit())
        return true;
    error = writer.Error();
    return false;
}

AtomicFileWriter::~AtomicFileWriter()
{
    Discard();
}

bool AtomicFileWriter::Open(const fs::path& path)
{
    Discard();
    m_error.clear();
    m_path = path;
    m_target = ResolveTarget(path);

    std::error_code statusError;
    const fs::file_status existing = fs::status(m_target, statusError);
    if (statusError && existing.type() != fs::file_type::not_found) {
        m_error = "Cannot write " + Quoted(path) + ": " + statusError.message() + ".";
        return false;
    }
    const bool replacing = fs::exists(existing);
    if (existing.type() == fs::file_type::directory) {
        m_error = "Cannot write " + Quoted(path) + ": it is a folder.";
        return false;
    }
    if (replacing && existing.type() != fs::file_type::regular) {
        m_error = "Cannot write " + Quoted(path) + ": it is not a regular file.";
        return false;
    }

    RemoveStaleTemporaries(m_target);

    native::SystemError error = 0;
    for (int attempt = 0; attempt < kTempNameAttempts && m_handle == native::kNoHandle; ++attempt) {
        fs::path candidate = m_target;
        candidate += kTempMarker + RandomSuffix();
        m_handle = native::CreateNew(candidate, error);
        if (m_handle != native::kNoHandle)
            m_tempPath = candidate;
        else if (!native::IsAlreadyExists(error))
            return Fail("create a temporary file for", error);
    }
    if (m_handle == native::kNoHandle)
        return Fail("create a temporary file for", error);

    if (replacing && !native::TakeOwnerAndPermissions(m_handle, m_target, error))
        return Fail("keep the permissions of", error);
    m_buffer.reserve(kWriteBufferSize);
    return true;
}

bool AtomicFileWriter::Write(const void* data, std::size_t size)
{
    if (m_handle == native::kNoHandle) {
        if (m_error.empty())
            m_error = "Cannot write: no file is open.";
        return false;
    }
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    if (m_buffer.size() + size > kWriteBufferSize && !FlushBuffer())
        return false;
    if (size >= kWriteBufferSize)
        return WriteToDisk(bytes, size);
    m_buffer.insert(m_buffer.end(), bytes, bytes + size);
    return true;
}

bool AtomicFileWriter::Write(const std::string& bytes)
{
    return Write(bytes.data(), bytes.size());
}

bool AtomicFileWriter::Commit()
{
    if (m_handle == native::kNoHandle) {
        if (m_error.empty())
            m_error = "Cannot save: no file is open.";
        return false;
    }
    if (!FlushBuffer())
        return false;
    native::SystemError error = 0;
    if (!native::FlushToDisk(m_handle, error))
        return Fail("write", error);
    const native::Handle handle = m_handle;
    m_handle = native::kNoHandle;
    if (!native::CloseWritten(handle, error))
        return Fail("write", error);
    if (!native::ReplaceAtomically(m_tempPath, m_target, error))
        return Fail("replace", error);
    m_tempPath.clear();
    return true;
}

void AtomicFileWriter::Discard()
{
    if (m_handle != native::kNoHandle) {
        native::Close(m_handle);
        m_handle = native::kNoHandle;
    }
    if (!m_tempPath.empty()) {
        native::Remove(m_tempPath);
        m_tempPath.clear();
    }
    m_buffer.clear();
}

bool AtomicFileWriter::WriteToDisk(const std::uint8_t* data, std::size_t size)
{
    native::SystemError error = 0;
    return native::WriteAll(m_handle, data, size, error) || Fail("write", error);
}

bool AtomicFileWriter::FlushBuffer()
{
    const bool written = WriteToDisk(m_buffer.data(), m_buffer.size());
    m_buffer.clear();
    return written;
}

bool AtomicFileWriter::Fail(const std::string& action, int systemError)
{
    m_error = Failure(action, m_path, systemError);
    Discard();
    return false;
}
