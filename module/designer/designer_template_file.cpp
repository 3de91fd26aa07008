// Template files: the folder, names, reading and writing through the property list, and the
// background picture.
#include <algorithm>

#include "core/kv_properties_list.h"
#include "core/kv_settings.h"
#include "core/file_layer.h"
#include "designer/kv_designer_tracker.h"
#include "designer/kv_dlg_designer_data.h"
#include "designer/kv_drawn_control.h"
#include "host/command_line.h"
#include "win/bitmap.h"
#include "win/draw.h"
#include "win/wingdi.h"

namespace {

// Paths come with either separator and in any letter case (the file layer matches names
// without regard to case), so the folder test compares them that way.
Kv_String normalisedPath(const Kv_String& path) {
    Kv_String result(path);
    result.replaceSubString("/", "\\");
    return result;
}

bool climbsOut(const Kv_String& relative) {
    const Kv_StringArray parts = strToArr(relative, '\\');
    for (const Kv_String& part : parts)
        if (part == "..") return true;
    return false;
}

}  // namespace

Kv_String getDesignerRootFolder() {
    Kv_String folder = Kv_Settings::libDir();
    folder += "Dialog Templates\\Dialog Design\\";
    return folder;
}

bool Kv_DlgDesignerData::getNameFromFile(const Kv_String& path, Kv_String& name) {
    const Kv_String folder = normalisedPath(getDesignerRootFolder());
    Kv_String relative = normalisedPath(path);
    if (!relative.startsWith(folder, true)) return false;
    relative = relative.getSubStringAt(folder.length());
    // "..\" would reach files the template folder does not hold.
    if (relative.isEmpty() || climbsOut(relative)) return false;
    removeExtension(relative);
    if (relative.isEmpty()) return false;
    name = relative;
    return true;
}

Kv_String Kv_DlgDesignerData::getFileName() const {
    if (m_name.isEmpty()) return {};
    return getDesignerRootFolder() + m_name + ".txt";
}

void getModuleImages(Kv_StringArray& list) {
    const Kv_String folder = getDesignerRootFolder();
    Kv_StringArray files;
    ObjectExportFindFilesRecursive(folder, "*.txt", files);
    for (Kv_String file : files) {
        removeExtension(file);
        list.append(file.getSubStringAt(folder.length()));
    }
    sortArray(list);
}

bool Kv_DlgDesignerData::readFromFile(const Kv_String& path, bool withPicture) {
    if (!ObjectExportFileExists(path)) return false;
    Kv_String name;
    if (!getNameFromFile(path, name)) return false;
    m_name = name;

    Kv_PropertiesList list;
    m_controls.removeAll();
    // A damaged list would give only the controls before the damage; a save would then drop
    // the rest for good.  The template is left without controls and the read fails.
    bool readable = list.readFromFile(path);
    int count = 0;
    if (list.getProperty("nrOfControls", count) != Acad::eOk || count < 0) count = 0;
    // Every index below the count is a control, one without values a default one.  The count
    // is only a claim: reading stops after the highest index the file holds, so a huge count
    // in a small file costs nothing.
    int last = Kv_DesignerControl::highestIndexInPropList(list, count);
    if (last >= kMaxFileControls) readable = false;
    if (!readable) {
        acutPrintf("*Error* The template %s cannot be read; it is shown without controls.\n", path.c_str());
        last = -1;
    }
    for (int index = 0; index <= last; ++index) {
        Kv_DesignerControl control;
        control.getFromPropList(list, index);
        append(control);
    }
    if (withPicture) {
        Kv_String picture(path);
        changeExtension(picture, "bmp");
        attachBitmap(picture);
    }
    return readable;
}

bool Kv_DlgDesignerData::writeToFile(const Kv_String& path) {
    const Kv_String oldName = m_name;
    Kv_String name;
    if (!getNameFromFile(path, name)) return false;
    m_name = name;

    if (!oldName.isEmpty() && !oldName.equal(name, true)) {
        Kv_String target(path);
        changeExtension(target, "bmp");
        // A template without a picture yet has nothing to copy; that is not a failure.
        ObjectExportCopyFile(getDesignerRootFolder() + oldName + ".bmp", target);
    }
    updateRectsFromWindows();

    Kv_PropertiesList list;
    list.setProperty("nrOfControls", m_controls.length());
    for (int i = 0; i < m_controls.length(); ++i) m_controls[i].setToPropList(list, i);
    return list.writeToFile(path);
}

bool Kv_DlgDesignerData::attachBitmap(const Kv_String& path) {
    std::string bytes;
    if (!ObjectExportFileExists(path) || !ObjectExportReadBytes(path, bytes)) return false;
    win::LoadResult loaded = win::decodeImage(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    releasePicture();
    if (!loaded.ok) return false;

    win::Bitmap& picture = loaded.bitmap;
    // The mask is white where the picture is pure white, so that the dialog shows through.
    win::Bitmap mask;
    mask.width = picture.width;
    mask.height = picture.height;
    mask.pixels.resize(picture.pixels.size());
    std::transform(picture.pixels.begin(), picture.pixels.end(), mask.pixels.begin(),
                   [](uint32_t pixel) { return (pixel & 0x00FFFFFFu) == 0x00FFFFFFu ? 0xFFFFFFFFu : 0xFF000000u; });
    m_picture = win::createBitmapHandle(picture);
    m_pictureMask = win::createBitmapHandle(mask);
    m_pictureWidth = picture.width;
    m_pictureHeight = picture.height;
    return true;
}

void GetImageDlgCtrlNames(const Kv_String& templateFile, Kv_StringArray& names) {
    Kv_DlgDesignerData data;
    data.readFromFile(templateFile, false);
    data.getAllCtrlNames(names);
}
