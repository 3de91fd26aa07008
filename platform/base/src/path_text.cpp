#include "base/path_text.h"

#include <system_error>

#include "base/case_fold.h"
#include "base/cp1252.h"

namespace fs = std::filesystem;

namespace base {
namespace {

// The entry of folder whose name equals name (code page 1252) ignoring case: the exact
// spelling when it exists, otherwise the first match in byte order.  Empty when none.
fs::path findEntry(const fs::path& folder, std::string_view name) {
    std::error_code ec;
    fs::path exact(cp1252ToUtf8(name));
    if (fs::exists(folder / exact, ec)) return exact;
    fs::path best;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    if (ec) return {};
    for (const fs::directory_entry& entry : it) {
        fs::path candidate = entry.path().filename();
        if (equalIgnoringCase(nameFromDisk(candidate), name) && (best.empty() || candidate < best)) best = candidate;
    }
    return best;
}

}  // namespace

std::string nameFromDisk(const fs::path& name) { return utf8ToCp1252(name.string()); }

fs::path mapPath(std::string_view text, const fs::path& from) {
    fs::path result = from.lexically_normal();
    if (!result.has_filename() && result.has_relative_path()) result = result.parent_path();  // "a/b/" is "a/b"
    std::size_t position = 0;
    if (!text.empty() && isPathSeparator(text[0])) {
        result = "/";
        while (position < text.size() && isPathSeparator(text[position])) ++position;
    }
    bool resolving = true;  // stays true while every component so far exists on disk
    while (position < text.size()) {
        std::size_t end = position;
        while (end < text.size() && !isPathSeparator(text[end])) ++end;
        std::string_view component = text.substr(position, end - position);
        position = end;
        while (position < text.size() && isPathSeparator(text[position])) ++position;
        if (component.empty() || component == ".") continue;
        if (component == "..") {
            // Lexically, as the package's home file system does: "a\missing\..\b" is "a\b".
            if (!result.empty() && result != "/" && result.filename() != "..")
                result = result.parent_path();
            else if (result != "/")
                result = result.empty() ? fs::path("..") : result / "..";
            resolving = true;
            continue;
        }
        fs::path onDisk;
        if (resolving) {
            onDisk = findEntry(result, component);
            if (onDisk.empty()) resolving = false;
        }
        if (onDisk.empty()) onDisk = fs::path(cp1252ToUtf8(component));
        result = result.empty() ? onDisk : result / onDisk;
    }
    return result;
}

}  // namespace base
