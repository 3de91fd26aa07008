#include "file/workbook_isolation.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "file/workbook_answer.h"

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

FileResult failure(std::string why) { return FileResult{false, std::move(why), 0}; }

}  // namespace

FileResult readInChildProcess(Sheet& sheet, const std::function<FileResult(Sheet&, std::vector<std::string>&)>& read,
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
        ::_exit(writeAll(fds[1], writeWorkbookAnswer(r, fresh, found)) ? 0 : 1);
    }
    ::close(fds[1]);
    std::string answer;
    char buffer[1 << 16];
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kWorkbookReadSeconds);
    bool timedOut = false, tooMuch = false;
    while (true) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
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
        // No sheet the engine can hold needs more: a child that keeps sending is stopped.
        if (answer.size() > kMaxSheetFileBytes) {
            tooMuch = true;
            break;
        }
    }
    ::close(fds[0]);
    if (timedOut || tooMuch) ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (timedOut)
        return failure("reading the workbook took longer than " + std::to_string(kWorkbookReadSeconds) + " seconds");
    if (tooMuch) return failure("the workbook reader's answer is larger than a sheet can be");
    if (WIFSIGNALED(status))
        return failure("the workbook is damaged (its reader stopped with signal " + std::to_string(WTERMSIG(status)) +
                       ")");
    // A child that fails says why; a child that stopped before its answer was whole is damaged.
    FileResult r = readWorkbookAnswer(sheet, answer, notes);
    if (r.ok || (WIFEXITED(status) && WEXITSTATUS(status) == 0)) return r;
    return failure("the workbook is damaged (its reader stopped before it was done)");
}

}  // namespace sheet
