#include "settings/NativeFile.h"

#include <windows.h>

#include <algorithm>
#include <climits>

namespace native {

namespace {

HANDLE Win(Handle handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

Handle Ours(HANDLE handle)
{
    return handle == INVALID_HANDLE_VALUE ? kNoHandle : reinterpret_cast<Handle>(handle);
}

bool Failed(SystemError& error)
{
    error = static_cast<SystemError>(::GetLastError());
    return false;
}

std::string Utf8(const wchar_t* text, int length)
{
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(std::max(size, 0)), '\0');
    if (size > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
    return out;
}

}  // namespace

std::string DescribeSystemError(SystemError error)
{
    wchar_t* text = nullptr;
    const DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, static_cast<DWORD>(error), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    if (length == 0)
        return "system error " + std::to_string(error);
    std::string message = Utf8(text, static_cast<int>(length));
    ::LocalFree(text);
    while (!message.empty() &&
           (message.back() == '\n' || message.back() == '\r' || message.back() == ' ' || message.back() == '.'))
        message.pop_back();
    return message;
}

bool IsAlreadyExists(SystemError error)
{
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
}

Handle OpenForReading(const std::filesystem::path& path, SystemError& error)
{
    // Backup semantics open a folder too, so it is refused by its kind with
    // the same message as on other systems.
    const HANDLE handle =
        ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        Failed(error);
    return Ours(handle);
}

bool Inspect(Handle handle, FileKind& kind, std::uint64_t& size, SystemError& error)
{
    const DWORD type = ::GetFileType(Win(handle));
    if (type != FILE_TYPE_DISK) {
        // Pipes, consoles and devices such as NUL.
        if (type == FILE_TYPE_UNKNOWN && ::GetLastError() != NO_ERROR)
            return Failed(error);
        kind = FileKind::Other;
        size = 0;
        return true;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(Win(handle), &info))
        return Failed(error);
    kind = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? FileKind::Folder : FileKind::Regular;
    size = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
    return true;
}

long long Read(Handle handle, void* data, std::size_t size, SystemError& error)
{
    DWORD done = 0;
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(size, INT_MAX));
    if (!::ReadFile(Win(handle), data, chunk, &done, nullptr)) {
        if (::GetLastError() == ERROR_HANDLE_EOF || ::GetLastError() == ERROR_BROKEN_PIPE)
            return 0;
        Failed(error);
        return -1;
    }
    return done;
}

bool Rewind(Handle handle, SystemError& error)
{
    LARGE_INTEGER start{};
    return ::SetFilePointerEx(Win(handle), start, nullptr, FILE_BEGIN) || Failed(error);
}

void Close(Handle handle)
{
    ::CloseHandle(Win(handle));
}

Handle CreateNew(const std::filesystem::path& path, SystemError& error)
{
    // Others may read the file meanwhile but not delete or rename it; the
    // replacing rename needs nobody else writing.
    const HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        Failed(error);
    return Ours(handle);
}

bool WriteAll(Handle handle, const void* data, std::size_t size, SystemError& error)
{
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    while (size > 0) {
        DWORD done = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(size, INT_MAX));
        // A full disk or quota fails here (ERROR_DISK_FULL, ERROR_HANDLE_DISK_FULL).
        if (!::WriteFile(Win(handle), bytes, chunk, &done, nullptr))
            return Failed(error);
        bytes += done;
        size -= done;
    }
    return true;
}

bool TakeOwnerAndPermissions(Handle handle, const std::filesystem::path& replaced, SystemError& error)
{
    // The successor keeps the attributes a user may have set on the file; its
    // security comes from the folder, as for any new file there.
    const DWORD attributes = ::GetFileAttributesW(replaced.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return true;
    FILE_BASIC_INFO info{};
    info.FileAttributes = attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                        FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
    return info.FileAttributes == 0 || ::SetFileInformationByHandle(Win(handle), FileBasicInfo, &info, sizeof info) ||
           Failed(error);
}

bool FlushToDisk(Handle handle, SystemError& error)
{
    return ::FlushFileBuffers(Win(handle)) || Failed(error);
}

bool CloseWritten(Handle handle, SystemError& error)
{
    return ::CloseHandle(Win(handle)) || Failed(error);
}

bool ReplaceAtomically(const std::filesystem::path& from, const std::filesystem::path& target, SystemError& error)
{
    // One rename: ReplaceFileW moves the old file aside first, so a process
    // ended between its steps would leave neither version in place.
    return ::MoveFileExW(from.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ||
           Failed(error);
}

void Remove(const std::filesystem::path& path)
{
    ::DeleteFileW(path.c_str());
}

void IgnoreFileSizeSignal()
{
    // Windows ends no process for a file's size; the write fails instead.
}

}  // namespace native
