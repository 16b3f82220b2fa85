// Preloaded into a child process to make one file fail part-way through
// being read, as a failing disk does: once READ_FAILURE_AFTER bytes of the
// file named by READ_FAILURE_PATH (its full resolved path) have been read,
// every further read of it fails with EIO. Several files may be named,
// separated by colons. Reads that cross the mark return
// the bytes before it first. The file position tells how far a descriptor
// has come, so nothing is kept between calls.
#include <dlfcn.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using ReadFn = ssize_t (*)(int, void*, size_t);
using PreadFn = ssize_t (*)(int, void*, size_t, off_t);
using ReadvFn = ssize_t (*)(int, const iovec*, int);

template <typename Fn>
Fn Next(const char* name)
{
    return reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
}

bool Named(const char* list, const char* path)
{
    const std::size_t length = std::strlen(path);
    for (const char* at = list; *at;) {
        const char* end = std::strchr(at, ':');
        const std::size_t size = end ? static_cast<std::size_t>(end - at) : std::strlen(at);
        if (size == length && std::strncmp(at, path, size) == 0)
            return true;
        at += end ? size + 1 : size;
    }
    return false;
}

// How many bytes may still be read at offset on fd: -1 when fd is not a
// failing file.
long long Allowance(int fd, off_t offset)
{
    const char* target = std::getenv("READ_FAILURE_PATH");
    const char* after = std::getenv("READ_FAILURE_AFTER");
    if (!target || !after)
        return -1;
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char path[4096];
    const ssize_t length = readlink(link, path, sizeof path - 1);
    if (length < 0)
        return -1;
    path[length] = '\0';
    if (!Named(target, path))
        return -1;
    const long long limit = std::atoll(after);
    return offset >= limit ? 0 : limit - offset;
}

off_t Position(int fd)
{
    return lseek(fd, 0, SEEK_CUR);
}

// The size to pass on to the real call, or -1 after setting errno to EIO.
ssize_t Granted(int fd, off_t offset, size_t count)
{
    const long long allowance = Allowance(fd, offset);
    if (allowance < 0 || count == 0)
        return static_cast<ssize_t>(count);
    if (allowance == 0) {
        errno = EIO;
        return -1;
    }
    return static_cast<ssize_t>(static_cast<unsigned long long>(allowance) < count ? allowance : count);
}

} // namespace

extern "C" {

ssize_t read(int fd, void* buffer, size_t count)
{
    static const ReadFn real = Next<ReadFn>("read");
    const ssize_t granted = Granted(fd, Position(fd), count);
    return granted < 0 ? -1 : real(fd, buffer, static_cast<size_t>(granted));
}

ssize_t __read_chk(int fd, void* buffer, size_t count, size_t /*bufferSize*/)
{
    return read(fd, buffer, count);
}

ssize_t pread(int fd, void* buffer, size_t count, off_t offset)
{
    static const PreadFn real = Next<PreadFn>("pread");
    const ssize_t granted = Granted(fd, offset, count);
    return granted < 0 ? -1 : real(fd, buffer, static_cast<size_t>(granted), offset);
}

ssize_t pread64(int fd, void* buffer, size_t count, off_t offset)
{
    static const PreadFn real = Next<PreadFn>("pread64");
    const ssize_t granted = Granted(fd, offset, count);
    return granted < 0 ? -1 : real(fd, buffer, static_cast<size_t>(granted), offset);
}

// Vectored reads of the file fail as soon as any of it is past the mark.
ssize_t readv(int fd, const iovec* vectors, int count)
{
    static const ReadvFn real = Next<ReadvFn>("readv");
    size_t total = 0;
    for (int i = 0; i < count; ++i)
        total += vectors[i].iov_len;
    const ssize_t granted = Granted(fd, Position(fd), total);
    if (granted < 0 || static_cast<size_t>(granted) < total) {
        errno = EIO;
        return -1;
    }
    return real(fd, vectors, count);
}

} // extern "C"
