#pragma once
// The core library's file functions.  Every path goes through kvMapPath (path_mapping.h), so
// '\' and '/' are both accepted and components are matched without regard to case.
//
// Text files: one list element per line.  Writing ends every line with "\r\n" and replaces
// the file whole (temporary file beside it, then rename): a failed write leaves the old file
// as it was.  Reading accepts "\r\n", "\n" and a last line without an end.
// All functions return true on success and leave their output arguments untouched on failure
// unless said otherwise.

#include <cstdint>
#include <string>

#include "core/kv_string.h"
#include "core/kv_string_array.h"

// Replaces lines with the file's lines.
bool ObjectExportReadFile(const Kv_String& path, Kv_StringArray& lines);
// Fails, writing nothing, when an element holds a line break (it would not read back).
// Creates missing parent folders.
bool ObjectExportWriteFile(const Kv_String& path, const Kv_StringArray& lines);
// Whole-file byte forms of the two above, for formats that are not line lists.
bool ObjectExportReadBytes(const Kv_String& path, std::string& bytes);
bool ObjectExportWriteBytes(const Kv_String& path, const std::string& bytes);

// Appends to files the full path of every file (not folder) in folder whose name matches the
// pattern ('*' any run, '?' one byte, case ignored), in byte order of the names.  A full path
// is the folder text as given, a '\' added when it does not end in a separator, and the name
// as spelled on disk.  False when the folder does not exist.
bool ObjectExportFindFiles(const Kv_String& folder, const Kv_String& pattern, Kv_StringArray& files);
// The same through every subfolder; names below the folder are joined with '\'
// ("folder\sub\name.txt").  Files of a folder come before those of its subfolders.
bool ObjectExportFindFilesRecursive(const Kv_String& folder, const Kv_String& pattern, Kv_StringArray& files);
// Names (not paths) of the subfolders of folder, in byte order.
bool ObjectExportFindFolders(const Kv_String& folder, Kv_StringArray& names);
// Creates the folder and any missing parents; true when it exists afterwards.
bool ObjectExportCreateDirectory(const Kv_String& folder);
// Modification time in seconds since 1970 (UTC).
bool ObjectExportGetFileTime(const Kv_String& path, std::int64_t& secondsSince1970);
bool ObjectExportFileExists(const Kv_String& path);  // a file, not a folder
bool ObjectExportFolderExists(const Kv_String& path);
// Copies whole or not at all; overwrites an existing target.
bool ObjectExportCopyFile(const Kv_String& from, const Kv_String& to);
// Fails when the target exists.
bool ObjectExportRenameFile(const Kv_String& from, const Kv_String& to);
bool deleteFile(const Kv_String& path);

// Path texts.  These work on the text only and never touch the disk.
// The part after the last separator ("a\b\c.txt" -> "c.txt"); false when that part is empty.
bool getFileName(const Kv_String& path, Kv_String& name);
// Removes ".ext" from the last component; false when it has no extension.
bool removeExtension(Kv_String& path);
// Replaces (or adds) the extension; extension may be given with or without its dot.
bool changeExtension(Kv_String& path, const Kv_String& extension);
// Adds '\' unless the path already ends in '\' or '/'; false for an empty path.
bool ensureEndBSlash(Kv_String& path);
