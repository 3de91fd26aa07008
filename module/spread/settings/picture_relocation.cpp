#include "spread/settings/picture_relocation.h"

#include <algorithm>
#include <cstdint>

#include "core/file_layer.h"

namespace {

int lastSeparator(const Kv_String& path) { return std::max(path.findLastChar('\\'), path.findLastChar('/')); }

// Copies when the target is missing or older than the source.
bool copyWhenNewer(const Kv_String& from, const Kv_String& to) {
    if (!ObjectExportFileExists(from)) return false;
    std::int64_t fromTime = 0, toTime = 0;
    if (ObjectExportFileExists(to)) {
        if (!ObjectExportGetFileTime(from, fromTime) || !ObjectExportGetFileTime(to, toTime)) return false;
        if (toTime >= fromTime) return false;
    }
    return ObjectExportCopyFile(from, to);
}

Kv_String bmpCounterpart(Kv_String path) {
    changeExtension(path, "bmp");
    return path;
}

}  // namespace

Kv_String folderOfPath(const Kv_String& path) {
    const int cut = lastSeparator(path);
    return cut < 0 ? Kv_String() : path.getSubStringAt(0, cut + 1);
}

Kv_String resolvePictureName(const Kv_String& name, const Kv_String& sheetFolder, const Kv_String& installFolder) {
    if (name.isEmpty()) return name;
    if (name.hasSubString(":") || name.hasSubString("\\\\") || name[0] == '/') return name;
    const int up = name.findFirst("..\\");
    if (up >= 0) {
        Kv_String rest = name;
        rest.removeAt(up, 3);
        // The sheet's folder ends in a separator; the folder above is what precedes the one
        // before it.
        Kv_String parent = sheetFolder.getSubStringAt(0, std::max(sheetFolder.length() - 1, 0));
        parent = folderOfPath(parent);
        return parent + rest;
    }
    const Kv_String besideSheet = sheetFolder + name;
    if (ObjectExportFileExists(besideSheet)) return besideSheet;
    const Kv_String inInstallation = installFolder + name;
    if (ObjectExportFileExists(inInstallation)) return inInstallation;
    return name;
}

bool relocatePicture(Kv_String& name, const Kv_String& sheetFolder, const Kv_String& installFolder) {
    const Kv_String resolved = resolvePictureName(name, sheetFolder, installFolder);
    if (resolved.isEmpty() || !ObjectExportFileExists(resolved)) return false;
    Kv_String fileName;
    if (!getFileName(resolved, fileName)) return false;
    const Kv_String target = sheetFolder + fileName;
    if (!copyWhenNewer(resolved, target)) return false;
    copyWhenNewer(bmpCounterpart(resolved), bmpCounterpart(target));
    if (!sheetFolder.isEmpty() && target.startsWith(sheetFolder, true))
        name = target.getSubStringAt(sheetFolder.length());
    else if (target.startsWith(installFolder, true))
        name = target.getSubStringAt(installFolder.length());
    else
        name = target;
    return true;
}
