// Whole-file reads and writes.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/write_whole.h"
#include "sheet/sheet_file.h"

namespace sheet {

namespace {
FileResult failure(std::string what) { return FileResult{false, std::move(what), 0}; }
}  // namespace

FileResult writeFileWhole(const std::string& path, std::string_view bytes) {
    base::WriteResult written = base::writeFileWhole(path, bytes);
    return written.ok ? FileResult{true, {}, 0} : failure(written.error);
}

FileResult readFileWhole(const std::string& path, std::string& bytes) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return failure("cannot open " + path + ": " + std::strerror(errno));
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return failure(path + " is not a file");
    }
    if (static_cast<uint64_t>(st.st_size) > kMaxSheetFileBytes) {
        ::close(fd);
        return failure(path + " is too large");
    }
    bytes.resize(static_cast<size_t>(st.st_size));
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    ::close(fd);
    if (done != bytes.size()) return failure("cannot read " + path);
    return FileResult{true, {}, 0};
}

}  // namespace sheet
