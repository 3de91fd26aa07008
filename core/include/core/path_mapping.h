#pragma once
// Core's names for the platform's one path mapping (base::mapPath in base/path_text.h).
//
// Package paths are written with '\' (as stored in records and files) or '/'; both separate
// components.  A leading separator makes the path absolute, otherwise it is relative to the
// working folder.  Each component is looked up on disk without regard to case, as on the
// package's home file system: "Cutting Stock\Set\stock1.shp" finds
// "cutting stock/set/Stock1.SHP".  Components that do not exist yet keep the spelling given,
// so new files and folders are created as the caller wrote them.  When two entries of a folder
// differ only in case, the one spelled exactly as given wins, else the first in byte order.
// Host file names are UTF-8: package texts (code page 1252) are converted on the way out and
// names read from disk are converted back.

#include <filesystem>
#include <string>

#include "core/kv_string.h"

// The host path for a package path (never fails; "" maps to "").
std::filesystem::path kvMapPath(const Kv_String& packagePath);
// The same as a UTF-8 text, for handing to host-level services (image loading and the like).
std::string kvHostPath(const Kv_String& packagePath);
// A name read from disk (UTF-8) as a package text.
Kv_String kvNameFromDisk(const std::filesystem::path& name);
// True for '\' and '/'.
inline bool kvIsPathSeparator(char c) { return c == '\\' || c == '/'; }
