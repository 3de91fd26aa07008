#include "core/dlg_open_save.h"

#include <filesystem>

#include "core/path_mapping.h"
#include "win/afxwin.h"

namespace fs = std::filesystem;

namespace {

// Every text of the file dialog is a window text (code page 1252), paths included: the window
// system maps them onto the disk.
std::string fullFilter(const Kv_String& filter, const Kv_String& extension) {
    std::string text = filter.str();
    if (text.find('|') != std::string::npos) {
        if (text.size() < 2 || text.compare(text.size() - 2, 2, "||") != 0) text += text.back() == '|' ? "|" : "||";
        return text;
    }
    std::string pattern = extension.isEmpty() ? "*.*" : "*." + extension.str();
    if (text.empty()) text = pattern;
    return text + "|" + pattern + "||";
}

}  // namespace

bool DlgOpenSave(bool open, const Kv_String& extension, const Kv_String& filter, const Kv_String& title,
                 Kv_String& path) {
    std::string startFolder, proposal;
    if (!path.isEmpty()) {
        fs::path host = kvMapPath(path);
        std::error_code ec;
        bool endsInSeparator = kvIsPathSeparator(path.at(path.length() - 1));
        if (endsInSeparator || fs::is_directory(host, ec)) {
            startFolder = kvNameFromDisk(host).str();
        } else {
            startFolder = kvNameFromDisk(host.parent_path()).str();
            proposal = kvNameFromDisk(host.filename()).str();
        }
    }
    std::string defaultExtension = extension.str();
    std::string filterText = fullFilter(filter, extension);
    DWORD flags = OFN_HIDEREADONLY | (open ? OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST : OFN_OVERWRITEPROMPT);
    CFileDialog dialog(open ? TRUE : FALSE, defaultExtension.empty() ? nullptr : defaultExtension.c_str(),
                       proposal.empty() ? nullptr : proposal.c_str(), flags, filterText.c_str());
    std::string caption = title.str();
    if (!caption.empty()) dialog.m_ofn.lpstrTitle = caption.c_str();
    if (!startFolder.empty()) dialog.m_ofn.lpstrInitialDir = startFolder.c_str();
    if (dialog.DoModal() != IDOK) return false;
    std::string chosen = dialog.GetPathName();
    if (chosen.empty()) return false;
    path = Kv_String(chosen);
    return true;
}
