// The DSTV point groups in the library folder: their names, the standard group and each
// group's file.
#include "core/kv_settings.h"
#include "core/file_layer.h"
#include "core/records/dlg_dstv_points.h"

namespace {

Kv_String groupPath(const Kv_String& name) {
    return DlgDstvPoints::getDstvPointsFolder() + name + DlgDstvPoints::kExtension;
}

Kv_String standardPath() { return DlgDstvPoints::getDstvPointsFolder() + DlgDstvPoints::kStandardFileName; }

}  // namespace

Kv_String DlgDstvPoints::getDstvPointsFolder() { return Kv_Settings::libDir() + kFolderName; }

bool DlgDstvPoints::getAllDstvPointsFiles(Kv_StringArray& names) {
    Kv_StringArray files;
    if (!ObjectExportFindFiles(getDstvPointsFolder(), Kv_String("*") + kExtension, files)) return false;
    names.removeAll();
    for (const Kv_String& file : files) {
        Kv_String name;
        getFileName(file, name);
        removeExtension(name);
        names.append(name);
    }
    return true;
}

Kv_String DlgDstvPoints::getStandardDstvPointsFile() {
    Kv_StringArray lines;
    if (!ObjectExportReadFile(standardPath(), lines) || lines.length() == 0) return Kv_String();
    return lines[0];
}

bool DlgDstvPoints::setStandardDstvPointsFile(const Kv_String& name) {
    const Kv_String file = name.endsWith(kExtension, true) ? name : name + kExtension;
    Kv_StringArray lines;
    lines.append(file);
    return ObjectExportWriteFile(standardPath(), lines);
}

bool DlgDstvPoints::readFromFile(const Kv_String& name, Kv_DstvPointArray& points) {
    Kv_StringArray lines;
    if (!ObjectExportFileExists(groupPath(name)) || !ObjectExportReadFile(groupPath(name), lines)) return false;
    std::string reason;
    return readDstvPointLines(lines, points, reason);
}

bool DlgDstvPoints::writeToFile(const Kv_String& name, const Kv_DstvPointArray& points) {
    return ObjectExportWriteFile(groupPath(name), dstvPointLines(points));
}
