#include "host/command_line.h"

#include <cstdio>

#include "base/cp1252.h"
#include <vector>

namespace host {

CommandLine& CommandLine::instance() {
    static CommandLine line;
    return line;
}

void CommandLine::print(std::string_view text) {
    text_.append(text);
    events_.emplace_back("print");
    if (sink_) sink_(text);
}

void CommandLine::printv(const char* format, va_list args) {
    if (!format) return;
    va_list copy;
    va_copy(copy, args);
    int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed <= 0) return;
    std::vector<char> buffer(static_cast<std::size_t>(needed) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    print(std::string_view(buffer.data(), static_cast<std::size_t>(needed)));
}

void CommandLine::postCommandPrompt() {
    ++promptCount_;
    events_.emplace_back("postCommandPrompt");
}

void CommandLine::updateDisplay() {
    ++updateCount_;
    events_.emplace_back("updateDisplay");
}

std::string CommandLine::takeText() {
    std::string taken;
    taken.swap(text_);
    return taken;
}

void CommandLine::clear() {
    text_.clear();
    events_.clear();
    promptCount_ = 0;
    updateCount_ = 0;
}

CommandLine::Sink CommandLine::setSink(Sink sink) {
    Sink previous = std::move(sink_);
    sink_ = std::move(sink);
    return previous;
}

void echoCommandLineToStdout() {
    CommandLine::instance().setSink([](std::string_view text) {
        std::string utf8 = base::cp1252ToUtf8(text);
        std::fwrite(utf8.data(), 1, utf8.size(), stdout);
        std::fflush(stdout);
    });
}

}  // namespace host

int acutPrintf(const char* format, ...) {
    if (!format) return 0;
    auto& line = host::CommandLine::instance();
    std::size_t before = line.text().size();
    va_list args;
    va_start(args, format);
    line.printv(format, args);
    va_end(args);
    return static_cast<int>(line.text().size() - before);
}

void acedPostCommandPrompt() { host::CommandLine::instance().postCommandPrompt(); }

void acedUpdateDisplay() { host::CommandLine::instance().updateDisplay(); }
