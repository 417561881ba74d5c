#include "safe_file.h"
#include "errors.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace skelvora {

namespace {
WriteFaults g_faults;

std::string Reason(int err)
{
    return std::string(": ") + std::strerror(err);
}

std::string TempNameFor(const std::string& target)
{
    static std::mt19937_64 rng{std::random_device{}()};
    auto slash = target.find_last_of('/');
    std::string dir = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, ".%012llx", (unsigned long long)(rng() & 0xFFFFFFFFFFFFull));
    return dir + "." + base + suffix + ".tmp";
}

// A target that is a symbolic link is written through it, so the link stays.
std::string ResolveLinks(const std::string& path)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char* real = realpath(path.c_str(), nullptr);
    if (!real)
        return path;
    std::string out(real);
    std::free(real);
    return out;
}
} // namespace

void SetWriteFaultsForTesting(const WriteFaults& faults)
{
    g_faults = faults;
}

void WriteFileAtomically(const std::string& path, std::string_view content)
{
    const std::string target = ResolveLinks(path);
    auto fail = [&](int err) -> void { throw FileError("Cannot create file " + path + Reason(err)); };

    struct stat st;
    bool exists = stat(target.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        fail(EISDIR);

    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temp = TempNameFor(target);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        fail(errno);
    if (exists)
        (void)::fchmod(fd, st.st_mode & 07777);

    auto abandon = [&](int err) {
        ::close(fd);
        ::unlink(temp.c_str());
        fail(err);
    };

    // A fault injected by a test stops the write after that many bytes.
    const bool injected =
        g_faults.failAfterBytes >= 0 && size_t(g_faults.failAfterBytes) < content.size();
    const size_t limit = injected ? size_t(g_faults.failAfterBytes) : content.size();
    size_t done = 0;
    while (done < limit) {
        ssize_t n = ::write(fd, content.data() + done, limit - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            abandon(errno);
        }
        done += size_t(n);
    }
    if (injected)
        abandon(ENOSPC);
    if (::fsync(fd) != 0)
        abandon(errno);
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        fail(err);
    }
    if (g_faults.failRename || ::rename(temp.c_str(), target.c_str()) != 0) {
        int err = g_faults.failRename ? EIO : errno;
        ::unlink(temp.c_str());
        fail(err);
    }
    // Make the rename itself durable.
    auto slash = target.find_last_of('/');
    std::string dir = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        (void)::fsync(dfd);
        ::close(dfd);
    }
}

std::string ReadWholeFile(const std::string& path)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw FileError("Cannot open file " + path);
    std::string out;
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            int err = errno;
            ::close(fd);
            throw FileError("Cannot open file " + path + Reason(err));
        }
        if (n == 0)
            break;
        out.append(buf, size_t(n));
    }
    ::close(fd);
    return out;
}

} // namespace skelvora
