#pragma once
// The host's command line.  acutPrintf appends code page 1252 text to it; tests read the
// text back, and the host program passes every piece on to a sink (the terminal, in UTF-8).
// acedPostCommandPrompt and acedUpdateDisplay only count and log: there is no prompt or
// screen to refresh here, but callers rely on them being called at the right moments.

#include <cstdarg>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// printf formatting; returns the number of bytes appended.
int acutPrintf(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
void acedPostCommandPrompt();
void acedUpdateDisplay();

namespace host {

class CommandLine {
public:
    using Sink = std::function<void(std::string_view cp1252Text)>;

    // The one command line of the process.
    static CommandLine& instance();

    void print(std::string_view cp1252Text);
    void printv(const char* format, va_list args);
    void postCommandPrompt();
    void updateDisplay();

    // Everything printed since the last clear, as code page 1252 bytes.
    const std::string& text() const { return text_; }
    // The printed text taken and cleared in one go (tests checking "what did this step print").
    std::string takeText();
    int commandPromptCount() const { return promptCount_; }
    int updateDisplayCount() const { return updateCount_; }
    // "print", "postCommandPrompt", "updateDisplay" in the order they happened.
    const std::vector<std::string>& events() const { return events_; }
    void clear();

    // The sink receives each printed piece as it is printed; an empty sink drops them.
    // Returns the previous sink.
    Sink setSink(Sink sink);

private:
    std::string text_;
    std::vector<std::string> events_;
    int promptCount_ = 0;
    int updateCount_ = 0;
    Sink sink_;
};

// Installs a sink that writes every printed piece to standard output in UTF-8 (the host
// program's terminal).
void echoCommandLineToStdout();

}  // namespace host
