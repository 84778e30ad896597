#include "settings/NativeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <system_error>

#ifndef O_CLOEXEC
#define O_CLOEXEC 0
#endif
#ifndef O_DIRECTORY
#define O_DIRECTORY 0
#endif

namespace native {

namespace {

int Descriptor(Handle handle)
{
    return static_cast<int>(handle);
}

Handle Failed(SystemError& error)
{
    error = errno;
    return kNoHandle;
}

}  // namespace

std::string DescribeSystemError(SystemError error)
{
    return std::generic_category().message(error);
}

bool IsAlreadyExists(SystemError error)
{
    return error == EEXIST;
}

Handle OpenForReading(const std::filesystem::path& path, SystemError& error)
{
    // O_NONBLOCK keeps a FIFO from blocking the open.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    return fd < 0 ? Failed(error) : Handle{fd};
}

bool Inspect(Handle handle, FileKind& kind, std::uint64_t& size, SystemError& error)
{
    struct stat info {};
    if (::fstat(Descriptor(handle), &info) != 0) {
        error = errno;
        return false;
    }
    kind = S_ISREG(info.st_mode) ? FileKind::Regular : S_ISDIR(info.st_mode) ? FileKind::Folder : FileKind::Other;
    size = static_cast<std::uint64_t>(info.st_size);
    return true;
}

long long Read(Handle handle, void* data, std::size_t size, SystemError& error)
{
    for (;;) {
        const ssize_t n = ::read(Descriptor(handle), data, size);
        if (n >= 0)
            return n;
        if (errno != EINTR) {
            error = errno;
            return -1;
        }
    }
}

bool Rewind(Handle handle, SystemError& error)
{
    if (::lseek(Descriptor(handle), 0, SEEK_SET) == 0)
        return true;
    error = errno;
    return false;
}

void Close(Handle handle)
{
    ::close(Descriptor(handle));
}

Handle CreateNew(const std::filesystem::path& path, SystemError& error)
{
    // Creating with 0666 lets the system apply the umask (and a folder's
    // default ACL) exactly as for any newly created file.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    return fd < 0 ? Failed(error) : Handle{fd};
}

bool WriteAll(Handle handle, const void* data, std::size_t size, SystemError& error)
{
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    while (size > 0) {
        const ssize_t n = ::write(Descriptor(handle), bytes, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            return false;
        }
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool TakeOwnerAndPermissions(Handle handle, const std::filesystem::path& replaced, SystemError& error)
{
    struct stat existing {};
    if (::stat(replaced.c_str(), &existing) != 0) {
        error = errno;
        return false;
    }
    // Keeping the owner is possible only for a privileged process; others
    // keep their own ownership, as any editor saving the file would.
    if (::fchown(Descriptor(handle), existing.st_uid, existing.st_gid) != 0 && errno != EPERM) {
        error = errno;
        return false;
    }
    if (::fchmod(Descriptor(handle), existing.st_mode & 07777) != 0) {
        error = errno;
        return false;
    }
    return true;
}

bool FlushToDisk(Handle handle, SystemError& error)
{
    if (::fsync(Descriptor(handle)) == 0)
        return true;
    error = errno;
    return false;
}

bool CloseWritten(Handle handle, SystemError& error)
{
    if (::close(Descriptor(handle)) == 0)
        return true;
    error = errno;
    return false;
}

bool ReplaceAtomically(const std::filesystem::path& from, const std::filesystem::path& target, SystemError& error)
{
    if (::rename(from.c_str(), target.c_str()) != 0) {
        error = errno;
        return false;
    }
    // Makes the rename itself durable. The new content is already in place,
    // so a folder that cannot be synchronised (some file systems refuse) does
    // not turn the save into a failure.
    const std::filesystem::path parent = target.parent_path();
    const int folder = ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

void Remove(const std::filesystem::path& path)
{
    ::unlink(path.c_str());
}

void IgnoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace native
