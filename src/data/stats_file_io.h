#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vrk {

// Outcome of a file operation: ok, or a sentence naming the file and the
// system's reason.
struct IoResult {
    bool ok = true;
    std::string message;
};

// The calls through which statistics reach the disk. The defaults use the
// system; tests override one to fail at a chosen moment (a full disk, a
// crash between writing and renaming).
class FileOps {
  public:
    virtual ~FileOps() = default;
    // Writes every byte or reports false with errno set.
    virtual bool writeAll(int fd, std::span<const std::uint8_t> bytes);
    virtual bool sync(int fd);
    virtual bool rename(const std::string& from, const std::string& to);
};

// The system implementation (stateless).
FileOps& SystemFileOps();

struct FileBytes {
    bool exists = false;
    std::vector<std::uint8_t> bytes;
    IoResult result;  // failure when it exists but cannot be read
};

FileBytes ReadFileBytes(const std::string& path);

// The name a save writes before renaming it over `path`.
std::string TemporaryPathFor(const std::string& path);

// Writes the bytes to the temporary file beside `path` and flushes them to
// the disk; on failure the temporary file is removed and `path` untouched.
IoResult WriteTemporaryFile(FileOps& ops, const std::string& path,
                            std::span<const std::uint8_t> bytes);
// Renames the written temporary file over `path` and flushes the folder.
IoResult CommitTemporaryFile(FileOps& ops, const std::string& path);
// Both steps: afterwards `path` holds either the old or the new contents.
IoResult ReplaceFile(FileOps& ops, const std::string& path, std::span<const std::uint8_t> bytes);

// Writes one record after the last whole record of a fixed-record file
// (a torn record left by a crash is overwritten), creating the file when
// needed, and flushes it. A failed write cuts the file back to its old
// length.
IoResult AppendRecord(FileOps& ops, const std::string& path, std::size_t recordSize,
                      std::span<const std::uint8_t> record, bool sync = true);

// Appends one line (a newline is added; when the file does not end in one,
// a newline is written first so the line starts fresh).
IoResult AppendTextLine(FileOps& ops, const std::string& path, std::string_view line,
                        bool sync = true);

}  // namespace vrk
