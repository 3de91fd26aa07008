// CFileDialog and AfxMessageBox.

#include <cstring>
#include <filesystem>

#include "afx/afx_internal.h"

namespace {
std::string appName = "Karvel";
}

void AfxSetAppName(const char* title) { appName = title ? title : ""; }
const char* AfxGetAppName() { return appName.c_str(); }

int AfxMessageBox(LPCSTR text, UINT type, UINT) {
    CWnd* main = AfxGetMainWnd();
    HWND owner = ::GetActiveWindow();
    if (!owner && main) owner = main->m_hWnd;
    return ::MessageBox(owner, text, appName.c_str(), type);
}

int AfxMessageBox(const std::string& text, UINT type, UINT helpId) { return AfxMessageBox(text.c_str(), type, helpId); }

CFileDialog::CFileDialog(BOOL open, LPCSTR defExt, LPCSTR fileName, DWORD flags, LPCSTR filter, CWnd* parent)
    : m_open(open), m_file(4096, '\0'), m_title(512, '\0'), m_parent(parent) {
    if (fileName) std::strncpy(m_file.data(), fileName, m_file.size() - 1);
    if (filter) {
        // "a|b|c|d||" becomes "a\0b\0c\0d\0\0".
        m_filter = filter;
        for (char& c : m_filter)
            if (c == '|') c = '\0';
        m_filter.push_back('\0');
        m_filter.push_back('\0');
    }
    if (defExt) m_defExt = defExt;
    m_ofn.Flags = flags;
    m_ofn.lpstrFile = m_file.data();
    m_ofn.nMaxFile = static_cast<DWORD>(m_file.size());
    m_ofn.lpstrFileTitle = m_title.data();
    m_ofn.nMaxFileTitle = static_cast<DWORD>(m_title.size());
    m_ofn.lpstrFilter = m_filter.empty() ? nullptr : m_filter.c_str();
    m_ofn.lpstrDefExt = m_defExt.empty() ? nullptr : m_defExt.c_str();
}

INT_PTR CFileDialog::DoModal() {
    if (!m_ofn.hwndOwner) {
        if (m_parent)
            m_ofn.hwndOwner = m_parent->m_hWnd;
        else if (CWnd* main = AfxGetMainWnd())
            m_ofn.hwndOwner = ::GetActiveWindow() ? ::GetActiveWindow() : main->m_hWnd;
    }
    BOOL ok = m_open ? ::GetOpenFileName(&m_ofn) : ::GetSaveFileName(&m_ofn);
    return ok ? IDOK : IDCANCEL;
}

std::string CFileDialog::GetPathName() const { return m_ofn.lpstrFile ? std::string(m_ofn.lpstrFile) : std::string(); }
std::string CFileDialog::GetFileName() const { return std::filesystem::path(GetPathName()).filename().string(); }
std::string CFileDialog::GetFileExt() const {
    std::string ext = std::filesystem::path(GetPathName()).extension().string();
    return ext.empty() ? ext : ext.substr(1);
}
std::string CFileDialog::GetFileTitle() const { return std::filesystem::path(GetPathName()).stem().string(); }
std::string CFileDialog::GetFolderPath() const { return std::filesystem::path(GetPathName()).parent_path().string(); }
