// Whole-file reads and writes, and the mapping of the package's path texts onto host paths.
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "sheet/sheet_file.h"

namespace sheet {

namespace {
FileResult failure(std::string what) { return FileResult{false, std::move(what), 0}; }

bool exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}
}  // namespace

FileResult writeFileWhole(const std::string& path, std::string_view bytes) {
  if (path.empty()) return failure("no file name");
  std::string temp = path + ".kvtmp" + std::to_string(::getpid());
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return failure("cannot create " + temp + ": " + std::strerror(errno));
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      std::string why = std::strerror(errno);
      ::close(fd);
      ::unlink(temp.c_str());
      return failure("cannot write " + path + ": " + why);
    }
    done += static_cast<size_t>(n);
  }
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    ::unlink(temp.c_str());
    return failure("cannot write " + path + ": " + std::strerror(errno));
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    std::string why = std::strerror(errno);
    ::unlink(temp.c_str());
    return failure("cannot replace " + path + ": " + why);
  }
  return FileResult{true, {}, 0};
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

std::string hostPath(std::string_view pathText) {
  std::string path(pathText);
  for (char& c : path)
    if (c == '\\') c = '/';
  if (path.empty() || exists(path)) return path;
  // Resolve component by component, ignoring case, as far as the folders exist.
  std::string resolved = path[0] == '/' ? "/" : "";
  size_t pos = path[0] == '/' ? 1 : 0;
  while (pos <= path.size()) {
    size_t slash = path.find('/', pos);
    if (slash == std::string::npos) slash = path.size();
    std::string part = path.substr(pos, slash - pos);
    pos = slash + 1;
    if (part.empty()) continue;
    std::string candidate = resolved + part;
    if (!exists(candidate)) {
      if (DIR* dir = ::opendir(resolved.empty() ? "." : resolved.c_str())) {
        while (dirent* e = ::readdir(dir)) {
          if (::strcasecmp(e->d_name, part.c_str()) == 0) {
            candidate = resolved + e->d_name;
            break;
          }
        }
        ::closedir(dir);
      }
    }
    resolved = candidate;
    if (slash < path.size()) resolved += '/';
  }
  return resolved;
}

}  // namespace sheet
