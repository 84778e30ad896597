#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// File access shared by every reader and writer of the program. Readers take
// a size limit so that a wrong or hostile file cannot exhaust memory; writers
// never leave a half-written file behind: the new content goes to a temporary
// file in the target's folder, which replaces the target only once it is
// complete and on disk.

// Reads the whole regular file at path into out. Refuses a missing or
// unreadable file, a folder or other non-regular file, and a file larger than
// maxBytes (checked before anything is allocated). On failure out is left as
// it was and error holds an English message naming the file.
bool ReadFileBytes(const std::filesystem::path& path, std::size_t maxBytes, std::vector<std::uint8_t>& out,
                   std::string& error);

// Reads at most count bytes from the start of the regular file at path,
// whatever its size; refuses what ReadFileBytes refuses except a large file.
bool ReadFileStart(const std::filesystem::path& path, std::size_t count, std::vector<std::uint8_t>& out,
                   std::string& error);

// Under a file-size limit a POSIX system kills a writer that crosses it;
// with the signal ignored the write fails with EFBIG and is reported like a
// full disk. Called once at start-up.
void IgnoreFileSizeSignal();

// The name as messages show it: UTF-8 where the system's names are UTF-16,
// the name's own bytes elsewhere.
std::string PathForMessage(const std::filesystem::path& path);

// A regular file open for reading, for readers that take it in pieces.
// Refuses what ReadFileStart refuses; a FIFO does not block the open.
class RegularFileReader {
public:
    RegularFileReader() = default;
    ~RegularFileReader();
    RegularFileReader(const RegularFileReader&) = delete;
    RegularFileReader& operator=(const RegularFileReader&) = delete;

    bool Open(const std::filesystem::path& path);
    // After a failed Open: the name leads to a folder, FIFO or device.
    bool IsNotAFile() const { return m_notAFile; }
    // The size the system reports at opening; the file may grow meanwhile.
    std::uint64_t Size() const { return m_size; }
    // Up to size bytes, fewer only at the end of the file; -1 on error.
    long long Read(void* data, std::size_t size);
    bool Rewind();
    // The message of the last failure, naming the file.
    const std::string& Error() const { return m_error; }

private:
    std::intptr_t m_handle = -1;
    std::filesystem::path m_path;
    std::uint64_t m_size = 0;
    bool m_notAFile = false;
    std::string m_error;
};

// Replaces the file at path with size bytes of data, atomically. On failure
// the old file is untouched, no temporary file remains and error holds an
// English message naming the file and the system's reason.
bool WriteFileAtomically(const std::filesystem::path& path, const void* data, std::size_t size, std::string& error);

// Streaming form of WriteFileAtomically for outputs too large to assemble in
// memory first. Writes are buffered; nothing is visible at path until commit()
// succeeds. A writer destroyed or reopened before commit() discards its
// temporary file; temporary files of the same target left by a killed save
// are removed by open(). New files get the folder's defaults (on POSIX mode
// 0666 less the umask); an existing file keeps its permissions (and, where
// the process may, its owner). A
// symbolic link at path is followed, so the link stays and its target is
// replaced.
//
//     AtomicFileWriter writer;
//     if (!writer.open(path) || !writer.write(a, n) || !writer.commit())
//         report(writer.error());
class AtomicFileWriter {
public:
    AtomicFileWriter() = default;
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool Open(const std::filesystem::path& path);
    // After a failed write the temporary file is already gone; later writes
    // and commit() fail with the first error.
    bool Write(const void* data, std::size_t size);
    bool Write(const std::string& bytes);
    bool Commit();
    void Discard();

    bool IsOpen() const { return m_handle != -1; }
    // The message of the last failure; empty while nothing has failed.
    const std::string& Error() const { return m_error; }

private:
    bool WriteToDisk(const std::uint8_t* data, std::size_t size);
    bool FlushBuffer();
    bool Fail(const std::string& action, int systemError);

    std::filesystem::path m_path;    // as given by the caller, for messages
    std::filesystem::path m_target;  // the file actually replaced (symbolic links followed)
    std::filesystem::path m_tempPath;
    std::intptr_t m_handle = -1;
    std::vector<std::uint8_t> m_buffer;
    std::string m_error;
};
