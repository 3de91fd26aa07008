#include "core/path_mapping.h"

#include <system_error>

#include "host/text_encoding.h"

namespace fs = std::filesystem;

namespace {

// The entry of folder whose name equals name (code page 1252) ignoring case: the exact
// spelling when it exists, otherwise the first match in byte order.  Empty when none.
fs::path findEntry(const fs::path& folder, const Kv_String& name) {
    std::error_code ec;
    fs::path exact(host::cp1252ToUtf8(name.view()));
    if (fs::exists(folder / exact, ec)) return exact;
    fs::path best;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    if (ec) return {};
    for (const fs::directory_entry& entry : it) {
        fs::path candidate = entry.path().filename();
        if (kvNameFromDisk(candidate).equal(name, true) && (best.empty() || candidate < best)) best = candidate;
    }
    return best;
}

}  // namespace

Kv_String kvNameFromDisk(const fs::path& name) { return Kv_String(host::utf8ToCp1252(name.string())); }

fs::path kvMapPath(const Kv_String& packagePath) {
    std::string_view text = packagePath.view();
    fs::path result;
    std::size_t position = 0;
    if (!text.empty() && kvIsPathSeparator(text[0])) {
        result = "/";
        while (position < text.size() && kvIsPathSeparator(text[position])) ++position;
    }
    bool resolving = true;  // stays true while every component so far exists on disk
    while (position < text.size()) {
        std::size_t end = position;
        while (end < text.size() && !kvIsPathSeparator(text[end])) ++end;
        Kv_String component(text.substr(position, end - position));
        position = end;
        while (position < text.size() && kvIsPathSeparator(text[position])) ++position;
        if (component.isEmpty() || component == ".") continue;
        if (component == "..") {
            // Lexically, as the package's home file system does: "a\missing\..\b" is "a\b".
            if (!result.empty() && result != "/" && result.filename() != "..") result = result.parent_path();
            else if (result != "/") result = result.empty() ? fs::path("..") : result / "..";
            resolving = true;
            continue;
        }
        fs::path onDisk;
        if (resolving) {
            onDisk = findEntry(result, component);
            if (onDisk.empty()) resolving = false;
        }
        if (onDisk.empty()) onDisk = fs::path(host::cp1252ToUtf8(component.view()));
        result = result.empty() ? onDisk : result / onDisk;
    }
    return result;
}

std::string kvHostPath(const Kv_String& packagePath) { return kvMapPath(packagePath).string(); }
