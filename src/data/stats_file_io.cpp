#include "data/stats_file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace vrk {

namespace {

IoResult Failure(std::string_view what, const std::string& path) {
    return {false, std::string(what) + " " + path + ": " + std::strerror(errno)};
}

std::string FolderOf(const std::string& path) {
    std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

// Makes a rename durable; a folder that cannot be opened for this is not an
// error worth failing a save for (some file systems refuse it).
void SyncFolder(FileOps& ops, const std::string& path) {
    int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ops.sync(fd);
    ::close(fd);
}

}  // namespace

bool FileOps::writeAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool FileOps::sync(int fd) {
    return ::fsync(fd) == 0;
}

bool FileOps::rename(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

FileOps& SystemFileOps() {
    static FileOps system;
    return system;
}

FileBytes ReadFileBytes(const std::string& path) {
    FileBytes out;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return out;
        out.exists = true;
        out.result = Failure("Cannot read", path);
        return out;
    }
    out.exists = true;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (!S_ISREG(st.st_mode)) errno = EISDIR;
        out.result = Failure("Cannot read", path);
        ::close(fd);
        return out;
    }
    out.bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    while (done < out.bytes.size()) {
        ssize_t n = ::read(fd, out.bytes.data() + done, out.bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    out.bytes.resize(done);
    ::close(fd);
    return out;
}

std::string TemporaryPathFor(const std::string& path) {
    return path + ".tmp";
}

IoResult WriteTemporaryFile(FileOps& ops, const std::string& path,
                            std::span<const std::uint8_t> bytes) {
    const std::string temp = TemporaryPathFor(path);
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return Failure("Cannot create", temp);
    if (!ops.writeAll(fd, bytes) || !ops.sync(fd)) {
        IoResult failed = Failure("Cannot write", temp);
        ::close(fd);
        ::unlink(temp.c_str());
        return failed;
    }
    if (::close(fd) != 0) {
        IoResult failed = Failure("Cannot write", temp);
        ::unlink(temp.c_str());
        return failed;
    }
    return {};
}

IoResult CommitTemporaryFile(FileOps& ops, const std::string& path) {
    const std::string temp = TemporaryPathFor(path);
    if (!ops.rename(temp, path)) {
        IoResult failed = Failure("Cannot replace", path);
        ::unlink(temp.c_str());
        return failed;
    }
    SyncFolder(ops, path);
    return {};
}

IoResult ReplaceFile(FileOps& ops, const std::string& path, std::span<const std::uint8_t> bytes) {
    IoResult written = WriteTemporaryFile(ops, path, bytes);
    if (!written.ok) return written;
    return CommitTemporaryFile(ops, path);
}

IoResult AppendRecord(FileOps& ops, const std::string& path, std::size_t recordSize,
                      std::span<const std::uint8_t> record, bool sync) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return Failure("Cannot open", path);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        IoResult failed = Failure("Cannot open", path);
        ::close(fd);
        return failed;
    }
    auto size = static_cast<std::size_t>(st.st_size);
    auto end = static_cast<off_t>(size / recordSize * recordSize);
    bool ok =
        ::lseek(fd, end, SEEK_SET) == end && ops.writeAll(fd, record) && (!sync || ops.sync(fd));
    if (!ok) {
        IoResult failed = Failure("Cannot write", path);
        if (::ftruncate(fd, static_cast<off_t>(size)) == 0) ::fsync(fd);
        ::close(fd);
        return failed;
    }
    if (::close(fd) != 0) return Failure("Cannot write", path);
    return {};
}

IoResult AppendTextLine(FileOps& ops, const std::string& path, std::string_view line, bool sync) {
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return Failure("Cannot open", path);
    std::string text;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && st.st_size > 0) {
        char last = '\n';
        if (::pread(fd, &last, 1, st.st_size - 1) == 1 && last != '\n') text += '\n';
    }
    text.append(line);
    text += '\n';
    std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()),
                                        text.size());
    bool ok = ops.writeAll(fd, bytes) && (!sync || ops.sync(fd));
    IoResult result = ok ? IoResult{} : Failure("Cannot write", path);
    if (::close(fd) != 0 && result.ok) result = Failure("Cannot write", path);
    return result;
}

}  // namespace vrk
