#include "spread/load_notes.h"

#include <string>

#include "host/command_line.h"
#include "sheet/ss_api.h"

void printLoadNotes(HWND sheetWindow, const Kv_String& file) {
    const int length = SSGetLoadNotes(sheetWindow, nullptr, 0);
    if (length <= 0) return;
    std::string notes(static_cast<size_t>(length) + 1, '\0');
    SSGetLoadNotes(sheetWindow, notes.data(), length + 1);
    notes.resize(static_cast<size_t>(length));
    for (size_t start = 0; start < notes.size();) {
        const size_t end = notes.find('\n', start);
        acutPrintf("%s: %s\n", file.c_str(), notes.substr(start, end - start).c_str());
        start = end + 1;
    }
}
