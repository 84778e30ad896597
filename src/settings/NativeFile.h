#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

// The system calls beneath the file layer, one implementation per system
// (NativeFilePosix.cpp, NativeFileWindows.cpp). Every call reports a failure
// through a SystemError, never through a global, so a later call cannot
// overwrite the reason before it is told.
namespace native {

// A descriptor on POSIX, a HANDLE on Windows.
using Handle = std::intptr_t;
inline constexpr Handle kNoHandle = -1;

// errno on POSIX, GetLastError() on Windows; 0 is no error.
using SystemError = int;

// The system's own sentence for error, without a closing full stop.
std::string DescribeSystemError(SystemError error);
// The name of an existing file was taken.
bool IsAlreadyExists(SystemError error);

enum class FileKind { Regular, Folder, Other };

// Opens an existing file for reading in binary mode. A FIFO or device does
// not block the open, so the caller can refuse it by its kind.
Handle OpenForReading(const std::filesystem::path& path, SystemError& error);
bool Inspect(Handle handle, FileKind& kind, std::uint64_t& size, SystemError& error);
// Bytes read, 0 at the end of the file, -1 on error.
long long Read(Handle handle, void* data, std::size_t size, SystemError& error);
bool Rewind(Handle handle, SystemError& error);
// For read-only handles, whose close loses nothing.
void Close(Handle handle);

// Creates path for writing in binary mode, failing when it exists.
Handle CreateNew(const std::filesystem::path& path, SystemError& error);
// Writes all size bytes.
bool WriteAll(Handle handle, const void* data, std::size_t size, SystemError& error);
// Gives the new file the owner (where the process may) and permissions of
// the file it is about to replace, where the system keeps them per file.
bool TakeOwnerAndPermissions(Handle handle, const std::filesystem::path& replaced, SystemError& error);
// Flushes the file's content to the disk.
bool FlushToDisk(Handle handle, SystemError& error);
// Closes a written handle; a failing close may mean lost data.
bool CloseWritten(Handle handle, SystemError& error);
// Puts the complete file from in target's place in one step, so a reader
// sees either the old or the new file, and makes the change durable.
bool ReplaceAtomically(const std::filesystem::path& from, const std::filesystem::path& target, SystemError& error);
void Remove(const std::filesystem::path& path);

// Lets a write that crosses a file-size limit fail with an error instead of
// ending the process, where the system would end it.
void IgnoreFileSizeSignal();

}  // namespace native
