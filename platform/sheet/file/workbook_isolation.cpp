#include "file/workbook_isolation.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace sheet {

namespace {

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// The child's answer: "ok <notes>\n", each note a line, then the sheet; or "error\n<why>".
std::string answerOf(const FileResult& r, const Sheet& sheet, const std::vector<std::string>& notes) {
  if (!r.ok) return "error\n" + r.error;
  std::string out = "ok " + std::to_string(notes.size()) + "\n";
  for (const std::string& note : notes) out += note + "\n";
  return out + writeSheetText(sheet);
}

FileResult failure(std::string why) { return FileResult{false, std::move(why), 0}; }

}  // namespace

FileResult readInChildProcess(
    Sheet& sheet, const std::function<FileResult(Sheet&, std::vector<std::string>&)>& read,
    std::vector<std::string>* notes) {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return failure("the workbook reader cannot be started");
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(fds[0]);
    ::close(fds[1]);
    return failure("the workbook reader cannot be started");
  }
  if (child == 0) {
    ::close(fds[0]);
    Sheet fresh;
    std::vector<std::string> found;
    FileResult r;
    try {
      r = read(fresh, found);
    } catch (...) {
      r = failure("the workbook cannot be read");
    }
    ::_exit(writeAll(fds[1], answerOf(r, fresh, found)) ? 0 : 1);
  }
  ::close(fds[1]);
  std::string answer;
  char buffer[1 << 16];
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kWorkbookReadSeconds);
  bool timedOut = false;
  while (true) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd p{fds[0], POLLIN, 0};
    int ready = left.count() > 0 ? ::poll(&p, 1, static_cast<int>(left.count())) : 0;
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) {
      timedOut = ready == 0;
      break;
    }
    ssize_t n = ::read(fds[0], buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    answer.append(buffer, static_cast<size_t>(n));
  }
  ::close(fds[0]);
  if (timedOut) ::kill(child, SIGKILL);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (timedOut) return failure("reading the workbook took longer than " +
                               std::to_string(kWorkbookReadSeconds) + " seconds");
  if (WIFSIGNALED(status))
    return failure("the workbook is damaged (its reader stopped with signal " +
                   std::to_string(WTERMSIG(status)) + ")");
  if (answer.starts_with("error\n")) return failure(answer.substr(6));
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !answer.starts_with("ok "))
    return failure("the workbook is damaged (its reader stopped before it was done)");
  // "ok <count>\n", the notes, then the sheet in the engine's format.
  size_t pos = answer.find('\n');
  const size_t count = std::strtoul(answer.c_str() + 3, nullptr, 10);
  std::vector<std::string> found;
  for (size_t i = 0; i < count && pos != std::string::npos; ++i) {
    size_t end = answer.find('\n', pos + 1);
    if (end == std::string::npos) return failure("the workbook reader stopped before it was done");
    found.push_back(answer.substr(pos + 1, end - pos - 1));
    pos = end;
  }
  if (pos == std::string::npos) return failure("the workbook reader stopped before it was done");
  FileResult r = readSheetText(sheet, std::string_view(answer).substr(pos + 1));
  if (!r.ok) return failure("the workbook reader's sheet cannot be taken over: " + r.error);
  if (notes) notes->insert(notes->end(), found.begin(), found.end());
  return r;
}

}  // namespace sheet
