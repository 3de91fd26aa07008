// CDlgDesigner: opening and saving templates, choosing the picture, and the question whether
// to save before the template is left.
#include <filesystem>
#include <system_error>

#include "core/dlg_open_save.h"
#include "core/kv_texts.h"
#include "core/file_layer.h"
#include "core/path_mapping.h"
#include "designer/dlg_designer.h"

namespace {

constexpr int kNotWrittenText = 20142;
constexpr int kNoPictureText = 20143;

Kv_String filterOf(int textNumber, const char* pattern) { return dialString(textNumber) + pattern; }

bool sameFile(const Kv_String& a, const Kv_String& b) {
    std::error_code ec;
    return std::filesystem::equivalent(kvMapPath(a), kvMapPath(b), ec);
}

}  // namespace

// The folder of the current template: the template folder and the folders of its name.
Kv_String CDlgDesigner::startFolder() const {
    Kv_String path = getDesignerRootFolder() + m_data.getName();
    int last = -1;
    for (int i = 0; i < path.length(); ++i)
        if (kvIsPathSeparator(path[i])) last = i;
    return path.getSubStringAt(0, last + 1);
}

void CDlgDesigner::onOpen() {
    if (!askToSave()) return;
    Kv_String path = startFolder();
    if (!DlgOpenSave(true, "txt", filterOf(840, " (*.txt)"), dialString(841), path)) path = "";
    if (path.isEmpty()) return;
    m_data.removeAllDrawnCtrls();
    // A file outside the folder reads nothing: the old template is drawn again.  One that
    // cannot be read shows what was valid, and the flag stays as it was.
    const bool read = m_data.readFromFile(path, true);
    m_data.redrawAllControls();
    if (read) m_modified = false;
    m_history.clear();
    updateUndoButtons();
    growToShowPicture();
    m_data.updatePropsOfCurSel();
    setTitle();
    Invalidate();
}

bool CDlgDesigner::writeTemplate(const Kv_String& path) {
    if (m_data.writeToFile(path)) return true;
    MessageBox((string(kNotWrittenText) + "\n" + path).c_str(), dialString(843).c_str(), MB_OK | MB_ICONWARNING);
    return false;
}

bool CDlgDesigner::saveUnderName() {
    Kv_String path = startFolder();
    if (!DlgOpenSave(false, "txt", filterOf(840, " (*.txt)"), dialString(842), path)) path = "";
    if (path.isEmpty()) return false;
    Kv_String name;
    // Outside the template folder nothing is written, and nothing said.
    if (!Kv_DlgDesignerData::getNameFromFile(path, name)) return false;
    const bool written = writeTemplate(path);
    if (written) m_modified = false;
    setTitle();
    return written;
}

void CDlgDesigner::onPicture() {
    Kv_String chosen = getDesignerRootFolder();
    if (!DlgOpenSave(true, "bmp", filterOf(839, " (*.bmp)"), dialString(841), chosen)) chosen = "";
    if (chosen.isEmpty()) return;
    {
        // Refused before anything is replaced: the template would be left without a picture.
        Kv_DlgDesignerData probe;
        if (!probe.attachBitmap(chosen)) {
            MessageBox((string(kNoPictureText) + "\n" + chosen).c_str(), dialString(843).c_str(),
                       MB_OK | MB_ICONWARNING);
            return;
        }
    }
    if (m_data.getName().isEmpty() && !saveUnderName()) return;
    const Kv_String target = getDesignerRootFolder() + m_data.getName() + ".bmp";
    // The windows stay where they are drawn; their fractions are taken against the picture
    // they were drawn on, before the new one comes.
    Kv_DesignerStep before{m_data.takeLayout(), currentPicture(target)};
    // Copying the template's own picture onto itself must leave it intact.
    if (!sameFile(chosen, target)) ObjectExportCopyFile(chosen, target);
    m_data.attachBitmap(target);
    m_history.record(std::move(before));
    updateUndoButtons();
    growToShowPicture();
    Invalidate();
    m_modified = true;
}

Kv_DesignerPicture CDlgDesigner::currentPicture(const Kv_String& path) const {
    Kv_DesignerPicture picture;
    picture.path = path;
    picture.exists = ObjectExportFileExists(path) && ObjectExportReadBytes(path, picture.bytes);
    return picture;
}

// The former bytes go back whole (or the copy goes when there was none before).
void CDlgDesigner::putPictureBack(const Kv_DesignerPicture& picture) {
    if (picture.exists) {
        if (ObjectExportWriteBytes(picture.path, picture.bytes)) m_data.attachBitmap(picture.path);
    } else if (deleteFile(picture.path)) {
        m_data.detachBitmap();
    }
    Invalidate();
}

bool CDlgDesigner::askToSave() {
    if (!m_modified) return true;
    const Kv_String question = dialString(838) + "\n<" + m_data.getName() + ">";
    const int answer = MessageBox(question.c_str(), dialString(837).c_str(), MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL) return false;
    if (answer != IDYES) return true;
    // An unnamed template has no file yet: it is given one first, or the action stops.
    if (m_data.getName().isEmpty()) return saveUnderName();
    if (!writeTemplate(m_data.getFileName())) return false;
    m_modified = false;
    return true;
}
