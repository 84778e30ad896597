#include "settings/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <random>
#include <system_error>

#ifndef O_CLOEXEC
#define O_CLOEXEC 0
#endif
#ifndef O_DIRECTORY
#define O_DIRECTORY 0
#endif

namespace {

constexpr std::size_t kWriteBufferSize = 64 * 1024;
constexpr int kTempNameAttempts = 100;
// A temporary file is named after its target: "<target>.tmp-" and six letters or digits.
constexpr char kTempMarker[] = ".tmp-";
constexpr std::size_t kTempSuffixLength = 6;

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

std::string SystemReason(int errorNumber)
{
    return std::generic_category().message(errorNumber);
}

std::string Failure(const std::string& action, const std::string& path, int errorNumber)
{
    return "Cannot " + action + " " + Quoted(path) + ": " + SystemReason(errorNumber) + ".";
}

// Closes the descriptor when the scope ends; for read-only use, where a
// failing close() loses nothing.
class ScopedDescriptor {
public:
    explicit ScopedDescriptor(int fd) : m_fd(fd) {}
    ~ScopedDescriptor() { ::close(m_fd); }
    ScopedDescriptor(const ScopedDescriptor&) = delete;
    ScopedDescriptor& operator=(const ScopedDescriptor&) = delete;

private:
    int m_fd;
};

// Reads until count bytes arrived or the file ended; -1 on error.
long long ReadUpTo(int fd, std::uint8_t* data, std::size_t count)
{
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::read(fd, data + done, count - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<long long>(done);
}

std::string RandomSuffix()
{
    static const char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 generator(static_cast<std::mt19937::result_type>(
        std::random_device{}() ^ static_cast<unsigned>(::getpid()) ^
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count())));
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kAlphabet - 2);
    std::string suffix(kTempSuffixLength, ' ');
    for (char& c : suffix)
        c = kAlphabet[pick(generator)];
    return suffix;
}

// A symbolic link is followed so that saving keeps the link and replaces
// the file it points to.
std::string ResolveTarget(const std::string& path)
{
    std::error_code ec;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec)))
        return path;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, ec);
    return ec ? path : resolved.string();
}

std::string FolderOf(const std::string& path)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

bool IsAsciiLetterOrDigit(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool IsTemporaryNameOf(const std::string& name, const std::string& targetName)
{
    const std::string prefix = targetName + kTempMarker;
    return name.size() == prefix.size() + kTempSuffixLength && name.compare(0, prefix.size(), prefix) == 0 &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(), IsAsciiLetterOrDigit);
}

// A save killed before its rename leaves its temporary file behind; the next
// save of the same target clears it. Only regular files named by our scheme
// go, so nothing of the user's is touched.
void RemoveStaleTemporaries(const std::string& target)
{
    namespace fs = std::filesystem;
    const std::string targetName = fs::path(target).filename().string();
    std::error_code ec;
    for (fs::directory_iterator it(FolderOf(target), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ignored;
        if (IsTemporaryNameOf(it->path().filename().string(), targetName) &&
            it->symlink_status(ignored).type() == fs::file_type::regular)
            fs::remove(it->path(), ignored);
    }
}

// Opens path for reading when it is a regular file; a FIFO, folder or device
// is refused without blocking. Returns the descriptor or -1 with error set.
int OpenRegularFile(const std::string& path, struct stat& info, std::string& error)
{
    // O_NONBLOCK keeps a FIFO from blocking the open; it is refused below.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        error = Failure("open", path, errno);
        return -1;
    }
    if (::fstat(fd, &info) != 0)
        error = Failure("read", path, errno);
    else if (S_ISDIR(info.st_mode))
        error = Quoted(path) + " is a folder, not a file.";
    else if (!S_ISREG(info.st_mode))
        error = Quoted(path) + " is not a regular file.";
    else
        return fd;
    ::close(fd);
    return -1;
}

}  // namespace

bool ReadFileBytes(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& out, std::string& error)
{
    struct stat info {};
    const int fd = OpenRegularFile(path, info, error);
    if (fd < 0)
        return false;
    ScopedDescriptor closer(fd);

    const auto tooLarge = [&](std::uintmax_t size) {
        error = Quoted(path) + " is too large: " + std::to_string(size) + " bytes, at most " +
                std::to_string(maxBytes) + " are accepted.";
        return false;
    };
    const auto reportedSize = static_cast<std::uintmax_t>(info.st_size);
    if (reportedSize > maxBytes)
        return tooLarge(reportedSize);

    // Reading one byte past the limit (or past the reported size) shows
    // whether the file is, or has grown, too large.
    const std::size_t readLimit = maxBytes < SIZE_MAX ? maxBytes + 1 : maxBytes;
    std::vector<std::uint8_t> bytes(std::min(readLimit, static_cast<std::size_t>(reportedSize) + 1));
    std::size_t filled = 0;
    for (;;) {
        const long long n = ReadUpTo(fd, bytes.data() + filled, bytes.size() - filled);
        if (n < 0) {
            error = Failure("read", path, errno);
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

bool ReadFileStart(const std::string& path, std::size_t count, std::vector<std::uint8_t>& out, std::string& error)
{
    struct stat info {};
    const int fd = OpenRegularFile(path, info, error);
    if (fd < 0)
        return false;
    ScopedDescriptor closer(fd);
    std::vector<std::uint8_t> bytes(count);
    const long long n = ReadUpTo(fd, bytes.data(), count);
    if (n < 0) {
        error = Failure("read", path, errno);
        return false;
    }
    bytes.resize(static_cast<std::size_t>(n));
    out.swap(bytes);
    return true;
}

void IgnoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size, std::string& error)
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

bool AtomicFileWriter::Open(const std::string& path)
{
    Discard();
    m_error.clear();
    m_path = path;
    m_target = ResolveTarget(path);

    struct stat existing {};
    const bool replacing = ::stat(m_target.c_str(), &existing) == 0;
    if (!replacing && errno != ENOENT)
        return Fail("write", errno);
    if (replacing && S_ISDIR(existing.st_mode)) {
        m_error = "Cannot write " + Quoted(path) + ": it is a folder.";
        return false;
    }
    if (replacing && !S_ISREG(existing.st_mode)) {
        m_error = "Cannot write " + Quoted(path) + ": it is not a regular file.";
        return false;
    }

    RemoveStaleTemporaries(m_target);

    // Creating with 0666 lets the system apply the umask (and a folder's
    // default ACL) exactly as for any newly created file.
    for (int attempt = 0; attempt < kTempNameAttempts && m_fd < 0; ++attempt) {
        const std::string candidate = m_target + kTempMarker + RandomSuffix();
        m_fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd >= 0)
            m_tempPath = candidate;
        else if (errno != EEXIST)
            return Fail("create a temporary file for", errno);
    }
    if (m_fd < 0)
        return Fail("create a temporary file for", EEXIST);

    if (replacing) {
        // Keeping the owner is possible only for a privileged process; others
        // keep their own ownership, as any editor saving the file would.
        if (::fchown(m_fd, existing.st_uid, existing.st_gid) != 0 && errno != EPERM)
            return Fail("keep the owner of", errno);
        if (::fchmod(m_fd, existing.st_mode & 07777) != 0)
            return Fail("keep the permissions of", errno);
    }
    m_buffer.reserve(kWriteBufferSize);
    return true;
}

bool AtomicFileWriter::Write(const void* data, std::size_t size)
{
    if (m_fd < 0) {
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
    if (m_fd < 0) {
        if (m_error.empty())
            m_error = "Cannot save: no file is open.";
        return false;
    }
    if (!FlushBuffer())
        return false;
    if (::fsync(m_fd) != 0)
        return Fail("write", errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        return Fail("write", errno);
    if (::rename(m_tempPath.c_str(), m_target.c_str()) != 0)
        return Fail("replace", errno);
    m_tempPath.clear();

    // Makes the rename itself durable. The new content is already in place,
    // so a folder that cannot be synchronised (some file systems refuse) does
    // not turn the save into a failure.
    const int folder = ::open(FolderOf(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

void AtomicFileWriter::Discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_tempPath.empty()) {
        ::unlink(m_tempPath.c_str());
        m_tempPath.clear();
    }
    m_buffer.clear();
}

bool AtomicFileWriter::WriteToDisk(const std::uint8_t* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(m_fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Fail("write", errno);
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool AtomicFileWriter::FlushBuffer()
{
    const bool written = WriteToDisk(m_buffer.data(), m_buffer.size());
    m_buffer.clear();
    return written;
}

bool AtomicFileWriter::Fail(const std::string& action, int errorNumber)
{
    m_error = Failure(action, m_path, errorNumber);
    Discard();
    return false;
}
