#pragma once
// The one place where a package path text meets the host file system.
//
// Package paths are code page 1252 texts written with '\' (as stored in records and files) or
// '/'; both separate components.  A leading separator makes the path absolute, otherwise it
// is relative to the working folder.  Each component is looked up on disk without regard to
// case, as on the package's home file system: "Cutting Stock\Set\stock1.shp" finds
// "cutting stock/set/Stock1.SHP".  Components that do not exist yet keep the spelling given,
// so new files and folders are created as the caller wrote them.  When two entries of a folder
// differ only in case, the one spelled exactly as given wins, else the first in byte order.
// Host file names are UTF-8: package texts are converted on the way out and names read from
// disk are converted back.

#include <filesystem>
#include <string>
#include <string_view>

namespace base {

// The host path for a package path (never fails; "" maps to "").  A relative path is taken
// from `from` (an existing host folder, kept as it is) when given, else from the working folder.
std::filesystem::path mapPath(std::string_view packagePath, const std::filesystem::path& from = {});
// A name or path read from disk (UTF-8) as a package text.
std::string nameFromDisk(const std::filesystem::path& name);
// True for '\' and '/'.
inline bool isPathSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace base
