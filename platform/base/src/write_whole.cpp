#include "base/write_whole.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <random>

namespace fs = std::filesystem;

namespace base {
namespace {

WriteResult failure(const std::string& what, int error) { return {false, what + ": " + std::strerror(error)}; }

// A name no other writer uses at the same time: the process, a counter within it, and a random
// part against a process of the same number in another container sharing the folder.
std::string temporaryName(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    static const unsigned salt = std::random_device{}();
    return "." + target.filename().string() + "." + std::to_string(::getpid()) + "." +
           std::to_string(counter.fetch_add(1)) + "." + std::to_string(salt) + ".tmp";
}

bool writeAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Makes the rename itself durable; a file system that cannot sync a folder loses nothing else.
void syncFolder(const fs::path& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

WriteResult writeFileWhole(const fs::path& target, std::string_view bytes) {
    if (target.empty() || !target.has_filename()) return {false, "no file name"};
    std::error_code ec;
    if (fs::is_directory(target, ec)) return {false, "cannot replace " + target.string() + ": it is a folder"};
    fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();

    fs::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = folder / temporaryName(target);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return failure("cannot create a file in " + folder.string(), errno);
    }
    if (fd < 0) return failure("cannot create a file in " + folder.string(), EEXIST);

    struct stat existing;
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) ::fchmod(fd, existing.st_mode & 07777);
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return failure("cannot write " + target.string(), error);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
        ::unlink(temporary.c_str());
        return failure("cannot replace " + target.string(), error);
    }
    syncFolder(folder);
    return {true, {}};
}

}  // namespace base
