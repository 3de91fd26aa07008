#pragma once
// Moving the header and footer pictures of a saved sheet next to it, so that a sheet copied
// elsewhere together with its folder still prints with its pictures.
//
// A stored picture name is resolved against the sheet's folder: a name with a drive (":") or
// a network prefix ("\\"), or a host path from the root, is taken as it is; "..\" climbs one
// folder; otherwise the sheet's folder and then the installation folder are tried.  The file
// (and its ".bmp" counterpart) is copied beside the sheet when the copy there is missing or
// older, and the stored name becomes relative again.

#include "core/kv_string.h"

// The folder part of a path, with its final separator ("" when there is none).
Kv_String folderOfPath(const Kv_String& path);
// The file a stored picture name stands for, as seen from a sheet in sheetFolder.
Kv_String resolvePictureName(const Kv_String& name, const Kv_String& sheetFolder, const Kv_String& installFolder);
// Copies the picture beside the sheet and makes name relative to the copy.  False, with name
// unchanged, when nothing was copied (no file, or the copy beside the sheet is up to date).
bool relocatePicture(Kv_String& name, const Kv_String& sheetFolder, const Kv_String& installFolder);
