#include "core/file_layer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "base/cp1252.h"
#include "base/write_whole.h"
#include "core/path_mapping.h"

namespace fs = std::filesystem;

namespace {

// Whole or not at all; the package's writes create a missing folder as they go.
bool writeWhole(const fs::path& target, const std::string& bytes) {
    std::error_code ec;
    fs::path folder = target.parent_path();
    if (!folder.empty() && !fs::is_directory(folder, ec)) {
        fs::create_directories(folder, ec);
        if (!fs::is_directory(folder, ec)) return false;
    }
    return base::writeFileWhole(target, bytes).ok;
}

bool readWhole(const fs::path& path, std::string& bytes) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    bytes = std::move(content);
    return true;
}

// '*' any run, '?' one byte, letters compared ignoring case.
bool matchesPattern(std::string_view name, std::string_view pattern) {
    std::size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || kvToLower1252(pattern[p]) == kvToLower1252(name[n]))) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

Kv_String withEndSeparator(const Kv_String& folder) {
    Kv_String result(folder);
    if (!result.isEmpty() && !kvIsPathSeparator(result.at(result.length() - 1))) result.append('\\');
    return result;
}

// Sorted entries of one folder: files matching pattern, and subfolders.
void listFolder(const fs::path& folder, const Kv_String& pattern, std::vector<Kv_String>& files,
                std::vector<std::pair<Kv_String, fs::path>>& folders) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        Kv_String name = kvNameFromDisk(it->path().filename());
        if (it->is_directory(ec))
            folders.emplace_back(name, it->path());
        else if (matchesPattern(name.view(), pattern.view()))
            files.push_back(name);
    }
    std::sort(files.begin(), files.end());
    std::sort(folders.begin(), folders.end());
}

void findRecursive(const fs::path& folder, const Kv_String& prefix, const Kv_String& pattern, Kv_StringArray& result,
                   int depth) {
    // Symbolic link loops would recurse without end; no package library is this deep.
    if (depth > 64) return;
    std::vector<Kv_String> files;
    std::vector<std::pair<Kv_String, fs::path>> folders;
    listFolder(folder, pattern, files, folders);
    for (const Kv_String& name : files) result.append(prefix + name);
    for (const auto& [name, path] : folders) findRecursive(path, prefix + name + "\\", pattern, result, depth + 1);
}

int lastSeparator(const Kv_String& path) { return std::max(path.findLastChar('\\'), path.findLastChar('/')); }

}  // namespace

bool ObjectExportReadFile(const Kv_String& path, Kv_StringArray& lines) {
    std::string bytes;
    if (!readWhole(kvMapPath(path), bytes)) return false;
    Kv_StringArray result;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        std::size_t stop = end == std::string::npos ? bytes.size() : end;
        std::size_t lineEnd = stop;
        if (lineEnd > start && bytes[lineEnd - 1] == '\r') --lineEnd;
        result.append(Kv_String(bytes.substr(start, lineEnd - start)));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    lines = std::move(result);
    return true;
}

bool ObjectExportWriteFile(const Kv_String& path, const Kv_StringArray& lines) {
    std::string bytes;
    for (const Kv_String& line : lines) {
        if (line.findChar('\n') >= 0 || line.findChar('\r') >= 0) return false;
        bytes += line.str();
        bytes += "\r\n";
    }
    return writeWhole(kvMapPath(path), bytes);
}

bool ObjectExportReadBytes(const Kv_String& path, std::string& bytes) { return readWhole(kvMapPath(path), bytes); }

bool ObjectExportWriteBytes(const Kv_String& path, const std::string& bytes) {
    return writeWhole(kvMapPath(path), bytes);
}

bool ObjectExportFindFiles(const Kv_String& folder, const Kv_String& pattern, Kv_StringArray& files) {
    std::error_code ec;
    fs::path hostFolder = kvMapPath(folder);
    if (!fs::is_directory(hostFolder.empty() ? fs::path(".") : hostFolder, ec)) return false;
    std::vector<Kv_String> names;
    std::vector<std::pair<Kv_String, fs::path>> folders;
    listFolder(hostFolder.empty() ? fs::path(".") : hostFolder, pattern, names, folders);
    Kv_String prefix = withEndSeparator(folder);
    for (const Kv_String& name : names) files.append(prefix + name);
    return true;
}

bool ObjectExportFindFilesRecursive(const Kv_String& folder, const Kv_String& pattern, Kv_StringArray& files) {
    std::error_code ec;
    fs::path hostFolder = kvMapPath(folder);
    if (hostFolder.empty()) hostFolder = ".";
    if (!fs::is_directory(hostFolder, ec)) return false;
    findRecursive(hostFolder, withEndSeparator(folder), pattern, files, 0);
    return true;
}

bool ObjectExportFindFolders(const Kv_String& folder, Kv_StringArray& names) {
    std::error_code ec;
    fs::path hostFolder = kvMapPath(folder);
    if (hostFolder.empty()) hostFolder = ".";
    if (!fs::is_directory(hostFolder, ec)) return false;
    std::vector<Kv_String> files;
    std::vector<std::pair<Kv_String, fs::path>> folders;
    listFolder(hostFolder, "", files, folders);
    for (const auto& entry : folders) names.append(entry.first);
    return true;
}

bool ObjectExportCreateDirectory(const Kv_String& folder) {
    if (folder.isEmpty()) return false;
    std::error_code ec;
    fs::path hostFolder = kvMapPath(folder);
    fs::create_directories(hostFolder, ec);
    return fs::is_directory(hostFolder, ec);
}

bool ObjectExportGetFileTime(const Kv_String& path, std::int64_t& secondsSince1970) {
    std::error_code ec;
    auto time = fs::last_write_time(kvMapPath(path), ec);
    if (ec) return false;
    auto system = std::chrono::file_clock::to_sys(time);
    secondsSince1970 = std::chrono::duration_cast<std::chrono::seconds>(system.time_since_epoch()).count();
    return true;
}

bool ObjectExportFileExists(const Kv_String& path) {
    std::error_code ec;
    return !path.isEmpty() && fs::is_regular_file(kvMapPath(path), ec);
}

bool ObjectExportFolderExists(const Kv_String& path) {
    std::error_code ec;
    return !path.isEmpty() && fs::is_directory(kvMapPath(path), ec);
}

bool ObjectExportCopyFile(const Kv_String& from, const Kv_String& to) {
    std::string bytes;
    if (!readWhole(kvMapPath(from), bytes)) return false;
    return writeWhole(kvMapPath(to), bytes);
}

bool ObjectExportRenameFile(const Kv_String& from, const Kv_String& to) {
    std::error_code ec;
    fs::path source = kvMapPath(from), target = kvMapPath(to);
    if (!fs::exists(source, ec)) return false;
    // A rename that only changes case maps target onto the source itself.
    if (fs::exists(target, ec) && !fs::equivalent(source, target, ec)) return false;
    Kv_String newName;
    if (fs::equivalent(source, target, ec) && getFileName(to, newName))
        target = source.parent_path() / fs::path(base::cp1252ToUtf8(newName.view()));
    fs::rename(source, target, ec);
    return !ec;
}

bool deleteFile(const Kv_String& path) {
    std::error_code ec;
    fs::path hostPath = kvMapPath(path);
    if (!fs::is_regular_file(hostPath, ec) && !fs::is_symlink(hostPath, ec)) return false;
    return fs::remove(hostPath, ec) && !ec;
}

bool getFileName(const Kv_String& path, Kv_String& name) {
    Kv_String result = path.getSubStringAt(lastSeparator(path) + 1);
    if (result.isEmpty()) return false;
    name = result;
    return true;
}

bool removeExtension(Kv_String& path) {
    int dot = path.findLastChar('.');
    if (dot < 0 || dot < lastSeparator(path)) return false;
    path.removeAt(dot, path.length() - dot);
    return true;
}

bool changeExtension(Kv_String& path, const Kv_String& extension) {
    Kv_String name;
    if (!getFileName(path, name)) return false;
    removeExtension(path);
    if (!extension.isEmpty() && extension.at(0) != '.') path.append('.');
    path.append(extension);
    return true;
}

bool ensureEndBSlash(Kv_String& path) {
    if (path.isEmpty()) return false;
    if (!kvIsPathSeparator(path.at(path.length() - 1))) path.append('\\');
    return true;
}
