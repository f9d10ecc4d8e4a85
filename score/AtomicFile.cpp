#include "score/AtomicFile.h"

#include "platform/Log.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace NVolant {

namespace {

// Makes the rename itself durable; some file systems refuse to sync a folder, which costs only
// that guarantee, so errors are ignored.
void syncFolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

bool writeAll(int fd, const std::uint8_t* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

bool writeFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    // One fixed temporary name: a write killed half-way leaves at most this file, which the next
    // write replaces and which is never read as the real one.
    const std::string temp = path + ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        LOG_ERROR("cannot write %s: %s", temp.c_str(), std::strerror(errno));
        return false;
    }
    const char* step = "write";
    bool ok = writeAll(fd, bytes.data(), bytes.size());
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        step = "flush";
    }
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        step = "close";
        error = errno;
    }
    if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        step = "rename";
        error = errno;
    }
    if (!ok) {
        LOG_ERROR("cannot %s %s: %s; %s is left as it was", step, temp.c_str(), std::strerror(error),
                  path.c_str());
        ::unlink(temp.c_str());
        return false;
    }
    syncFolderOf(path);
    return true;
}

FileReadResult readFileLimited(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& out)
{
    out.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? FileReadResult::Missing : FileReadResult::Unreadable;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return FileReadResult::NotAFile;
    }
    if (static_cast<unsigned long long>(info.st_size) > maxBytes) {
        ::close(fd);
        return FileReadResult::TooLarge;
    }
    // The size is only a hint: the file may change while it is read.
    out.reserve(static_cast<std::size_t>(info.st_size));
    std::uint8_t chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            out.clear();
            errno = error;
            return FileReadResult::Unreadable;
        }
        if (out.size() + static_cast<std::size_t>(n) > maxBytes) {
            ::close(fd);
            out.clear();
            return FileReadResult::TooLarge;
        }
        out.insert(out.end(), chunk, chunk + n);
    }
    ::close(fd);
    return FileReadResult::Read;
}

} // namespace NVolant
