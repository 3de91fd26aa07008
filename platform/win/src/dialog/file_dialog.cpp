// The common file dialog as a dialog of this system.  It lists the current folder ("[..]" and
// "[name]" for folders, then the files the selected filter admits), takes a typed name or path,
// appends the default extension to names without one, and checks must-exist and
// overwrite-prompt with message boxes before it closes.  Its texts (folder, names, the chosen
// path) are code page 1252, as for every window; they meet the disk only through the
// platform's one path mapping, so a name typed in another case finds the file on disk.

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>

#include "base/case_fold.h"
#include "base/path_text.h"
#include "controls/controls.h"
#include "dialog/dialog.h"
#include "win/commdlg.h"
#include "win/readback.h"

namespace fs = std::filesystem;

namespace win::detail {

namespace {

DWORD lastError = 0;

struct Filter {
    std::string description;
    std::vector<std::string> patterns;
};

struct FileDialogState {
    bool save = false;
    DWORD flags = 0;
    std::string title;
    std::string defExt;
    std::vector<Filter> filters;
    int filterIndex = 0;
    std::string typedPattern;  // a wildcard typed into the name field replaces the filter
    fs::path folder;
    std::string initialName;
    std::string chosen;
};

std::map<HWND, FileDialogState*>& states() {
    static std::map<HWND, FileDialogState*> m;
    return m;
}

std::vector<Filter> parseFilters(LPCSTR filterText) {
    std::vector<Filter> out;
    if (!filterText) return out;
    const char* p = filterText;
    while (*p) {
        Filter f;
        f.description = p;
        p += std::strlen(p) + 1;
        if (!*p) break;
        std::string patterns = p;
        p += std::strlen(p) + 1;
        size_t start = 0;
        while (start <= patterns.size()) {
            size_t semi = patterns.find(';', start);
            std::string one = patterns.substr(start, semi == std::string::npos ? std::string::npos : semi - start);
            if (!one.empty()) f.patterns.push_back(one);
            if (semi == std::string::npos) break;
            start = semi + 1;
        }
        out.push_back(f);
    }
    return out;
}

bool globMatch(const std::string& pattern, const std::string& name) {
    size_t p = 0, n = 0, star = std::string::npos, mark = 0;
    auto eq = [](char a, char b) { return base::toLower1252(a) == base::toLower1252(b); };
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || eq(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = n;
        } else if (star != std::string::npos) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    // "*.*" admits names without a dot, as on Windows.
    return p == pattern.size() || pattern.substr(p) == ".*";
}

std::vector<std::string> activePatterns(const FileDialogState& s) {
    if (!s.typedPattern.empty()) return {s.typedPattern};
    if (s.filterIndex >= 0 && s.filterIndex < static_cast<int>(s.filters.size()))
        return s.filters[static_cast<size_t>(s.filterIndex)].patterns;
    return {"*.*"};
}

void fillList(HWND dlg, FileDialogState& s) {
    SetDlgItemText(dlg, KV_FILEDLG_FOLDER, base::nameFromDisk(s.folder).c_str());
    HWND list = GetDlgItem(dlg, KV_FILEDLG_LIST);
    SendMessage(list, LB_RESETCONTENT, 0, 0);
    std::vector<std::string> folders, files;
    std::error_code ec;
    for (fs::directory_iterator it(s.folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = base::nameFromDisk(it->path().filename());
        std::error_code typeError;
        if (it->is_directory(typeError)) {
            folders.push_back(name);
        } else {
            for (const std::string& p : activePatterns(s))
                if (globMatch(p, name)) {
                    files.push_back(name);
                    break;
                }
        }
    }
    auto byName = [](const std::string& a, const std::string& b) { return base::compareIgnoringCase(a, b) < 0; };
    std::sort(folders.begin(), folders.end(), byName);
    std::sort(files.begin(), files.end(), byName);
    if (s.folder.has_parent_path() && s.folder != s.folder.root_path())
        SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("[..]"));
    for (const std::string& f : folders)
        SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(("[" + f + "]").c_str()));
    for (const std::string& f : files) SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(f.c_str()));
}

std::string listText(HWND list, int index) {
    int n = static_cast<int>(SendMessage(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0));
    if (n < 0) return {};
    std::string t(static_cast<size_t>(n) + 1, '\0');
    SendMessage(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(t.data()));
    t.resize(static_cast<size_t>(n));
    return t;
}

bool isFolderEntry(const std::string& t) { return t.size() >= 2 && t.front() == '[' && t.back() == ']'; }

void openFolder(HWND dlg, FileDialogState& s, const std::string& entry) {
    std::string name = entry.substr(1, entry.size() - 2);
    s.folder = name == ".." ? s.folder.parent_path() : base::mapPath(name, s.folder);
    fillList(dlg, s);
}

void warn(HWND dlg, const FileDialogState& s, const std::string& text, UINT type) {
    MessageBox(dlg, text.c_str(), s.title.c_str(), type);
}

// The OK button: returns true when the dialog may close with `s.chosen` set.
bool accept(HWND dlg, FileDialogState& s) {
    int n = GetWindowTextLength(GetDlgItem(dlg, KV_FILEDLG_NAME));
    std::string typed(static_cast<size_t>(n) + 1, '\0');
    GetDlgItemText(dlg, KV_FILEDLG_NAME, typed.data(), n + 1);
    typed.resize(static_cast<size_t>(n));
    size_t a = typed.find_first_not_of(' '), b = typed.find_last_not_of(' ');
    if (a == std::string::npos) return false;
    typed = typed.substr(a, b - a + 1);
    if (typed.find_first_of("*?") != std::string::npos) {
        s.typedPattern = typed;
        fillList(dlg, s);
        return false;
    }
    fs::path path = base::mapPath(typed, s.folder).lexically_normal();
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        s.folder = path;
        s.typedPattern.clear();
        SetDlgItemText(dlg, KV_FILEDLG_NAME, "");
        fillList(dlg, s);
        return false;
    }
    if (!path.has_extension() && !s.defExt.empty())
        path = base::mapPath(typed + "." + s.defExt, s.folder).lexically_normal();
    bool exists = fs::exists(path, ec);
    bool mustExist = !s.save && (s.flags & OFN_FILEMUSTEXIST);
    bool pathMustExist = mustExist || (s.flags & OFN_PATHMUSTEXIST);
    if (pathMustExist && !fs::is_directory(path.parent_path(), ec)) {
        warn(dlg, s, base::nameFromDisk(path.parent_path()) + "\nPath does not exist.\nCheck the path and try again.",
             MB_OK | MB_ICONWARNING);
        return false;
    }
    if (mustExist && !exists) {
        warn(dlg, s, base::nameFromDisk(path.filename()) + "\nFile not found.\nCheck the file name and try again.",
             MB_OK | MB_ICONWARNING);
        return false;
    }
    if (s.save && exists && (s.flags & OFN_OVERWRITEPROMPT)) {
        std::string q = base::nameFromDisk(path.filename()) + " already exists.\nDo you want to replace it?";
        if (MessageBox(dlg, q.c_str(), s.title.c_str(), MB_YESNO | MB_ICONWARNING) != IDYES) return false;
    }
    s.chosen = base::nameFromDisk(path);
    return true;
}

INT_PTR fileDialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG: {
        auto* s = reinterpret_cast<FileDialogState*>(lParam);
        states()[dlg] = s;
        HWND types = GetDlgItem(dlg, KV_FILEDLG_TYPES);
        for (const Filter& f : s->filters)
            SendMessage(types, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(f.description.c_str()));
        SendMessage(types, CB_SETCURSEL, static_cast<WPARAM>(s->filterIndex), 0);
        SetDlgItemText(dlg, KV_FILEDLG_NAME, s->initialName.c_str());
        fillList(dlg, *s);
        dialogSetFocus(GetDlgItem(dlg, KV_FILEDLG_NAME));
        return FALSE;
    }
    case WM_COMMAND: {
        auto it = states().find(dlg);
        if (it == states().end()) return FALSE;
        FileDialogState& s = *it->second;
        int id = LOWORD(wParam), code = HIWORD(wParam);
        HWND list = GetDlgItem(dlg, KV_FILEDLG_LIST);
        if (id == IDOK) {
            if (accept(dlg, s)) EndDialog(dlg, IDOK);
        } else if (id == IDCANCEL) {
            EndDialog(dlg, IDCANCEL);
        } else if (id == KV_FILEDLG_TYPES && code == CBN_SELCHANGE) {
            s.filterIndex = static_cast<int>(SendDlgItemMessage(dlg, KV_FILEDLG_TYPES, CB_GETCURSEL, 0, 0));
            s.typedPattern.clear();
            fillList(dlg, s);
        } else if (id == KV_FILEDLG_LIST && (code == LBN_SELCHANGE || code == LBN_DBLCLK)) {
            int sel = static_cast<int>(SendMessage(list, LB_GETCURSEL, 0, 0));
            std::string entry = listText(list, sel);
            if (entry.empty()) return TRUE;
            if (isFolderEntry(entry)) {
                if (code == LBN_DBLCLK) openFolder(dlg, s, entry);
            } else {
                SetDlgItemText(dlg, KV_FILEDLG_NAME, entry.c_str());
                if (code == LBN_DBLCLK && accept(dlg, s)) EndDialog(dlg, IDOK);
            }
        }
        return TRUE;
    }
    case WM_DESTROY: states().erase(dlg); return FALSE;
    default: return FALSE;
    }
}

win::ControlTemplate control(int id, const char* cls, DWORD style, int x, int y, int cx, int cy,
                             const char* text = "") {
    win::ControlTemplate c;
    c.id = id;
    c.className = cls;
    c.style = style | WS_VISIBLE;
    c.x = x;
    c.y = y;
    c.cx = cx;
    c.cy = cy;
    c.text = text;
    return c;
}

BOOL run(LPOPENFILENAME ofn, bool save) {
    lastError = 0;
    if (!ofn || !ofn->lpstrFile || ofn->nMaxFile == 0) {
        lastError = CDERR_INITIALIZATION;
        return FALSE;
    }
    FileDialogState s;
    s.save = save;
    s.flags = ofn->Flags;
    s.title = ofn->lpstrTitle ? ofn->lpstrTitle : (save ? "Save As" : "Open");
    s.defExt = ofn->lpstrDefExt ? ofn->lpstrDefExt : "";
    if (!s.defExt.empty() && s.defExt[0] == '.') s.defExt.erase(0, 1);
    s.filters = parseFilters(ofn->lpstrFilter);
    s.filterIndex = ofn->nFilterIndex > 0 ? static_cast<int>(ofn->nFilterIndex) - 1 : 0;
    if (s.filterIndex >= static_cast<int>(s.filters.size())) s.filterIndex = 0;
    std::error_code ec;
    std::string proposed(ofn->lpstrFile, strnlen(ofn->lpstrFile, ofn->nMaxFile));
    size_t nameStart = proposed.find_last_of("\\/");
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    bool initialDir = ofn->lpstrInitialDir && *ofn->lpstrInitialDir;
    s.folder = initialDir ? base::mapPath(ofn->lpstrInitialDir) : fs::current_path(ec);
    if (nameStart > 0 && !initialDir) {
        fs::path proposedFolder = base::mapPath(proposed.substr(0, nameStart));
        if (fs::is_directory(proposedFolder, ec)) s.folder = proposedFolder;
    }
    s.initialName = proposed.substr(nameStart);
    s.folder = s.folder.lexically_normal();

    win::DialogTemplate tmpl;
    tmpl.caption = s.title;
    tmpl.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | WS_VISIBLE;
    tmpl.cx = 420;
    tmpl.cy = 300;
    tmpl.controls.push_back(control(1091, "STATIC", SS_LEFT, 10, 12, 60, 16, "Look &in:"));
    tmpl.controls.push_back(control(KV_FILEDLG_FOLDER, "STATIC", SS_LEFT | SS_PATHELLIPSIS, 75, 12, 335, 16));
    tmpl.controls.push_back(
        control(KV_FILEDLG_LIST, "LISTBOX", LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 10, 34, 400, 180));
    tmpl.controls.push_back(control(1090, "STATIC", SS_LEFT, 10, 226, 80, 16, "File &name:"));
    tmpl.controls.push_back(
        control(KV_FILEDLG_NAME, "EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 95, 222, 225, 22));
    tmpl.controls.push_back(control(1089, "STATIC", SS_LEFT, 10, 258, 80, 16, "Files of &type:"));
    tmpl.controls.push_back(
        control(KV_FILEDLG_TYPES, "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 95, 254, 225, 160));
    tmpl.controls.push_back(
        control(IDOK, "BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 330, 222, 80, 23, save ? "&Save" : "&Open"));
    tmpl.controls.push_back(control(IDCANCEL, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 330, 254, 80, 23, "Cancel"));

    DialogOptions options;
    options.kind = DialogKind::FileDialog;
    HWND owner = ofn->hwndOwner ? ofn->hwndOwner : GetActiveWindow();
    HWND dlg = createDialog(tmpl, owner, fileDialogProc, reinterpret_cast<LPARAM>(&s), options);
    if (!dlg) {
        lastError = CDERR_INITIALIZATION;
        return FALSE;
    }
    if (runModal(dlg) != IDOK) return FALSE;
    if (s.chosen.size() + 1 > ofn->nMaxFile) {
        lastError = FNERR_BUFFERTOOSMALL;
        return FALSE;
    }
    std::memcpy(ofn->lpstrFile, s.chosen.c_str(), s.chosen.size() + 1);
    fs::path chosen(s.chosen);
    std::string name = chosen.filename().string();
    ofn->nFileOffset = static_cast<WORD>(s.chosen.size() - name.size());
    size_t dot = name.rfind('.');
    ofn->nFileExtension = dot == std::string::npos ? 0 : static_cast<WORD>(ofn->nFileOffset + dot + 1);
    ofn->nFilterIndex = static_cast<DWORD>(s.filterIndex + 1);
    if (ofn->lpstrFileTitle && ofn->nMaxFileTitle > 0) copyText(name, ofn->lpstrFileTitle, ofn->nMaxFileTitle);
    return TRUE;
}

}  // namespace
}  // namespace win::detail

using namespace win::detail;

BOOL GetOpenFileName(LPOPENFILENAME ofn) { return run(ofn, false); }
BOOL GetSaveFileName(LPOPENFILENAME ofn) { return run(ofn, true); }
DWORD CommDlgExtendedError() { return lastError; }

namespace win {

bool isFileDialog(HWND dialog) {
    DialogData* d = dialogData(dialog);
    return d && d->kind == DialogKind::FileDialog;
}

HWND innermostFileDialog() {
    for (HWND top : topLevelWindows())
        if (isFileDialog(top) && IsWindowVisible(top)) return top;
    return nullptr;
}

}  // namespace win
