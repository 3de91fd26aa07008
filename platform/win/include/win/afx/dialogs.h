#pragma once
// The common dialogs of the class layer: CFileDialog and AfxMessageBox.

#include <string>
#include <vector>

#include "win/afx/cwnd.h"
#include "win/commdlg.h"

class CFileDialog {
public:
    // `filter` uses '|' between descriptions and patterns and ends with "||", as MFC does:
    // "Text files (*.txt)|*.txt|All files (*.*)|*.*||".
    explicit CFileDialog(BOOL openFileDialog, LPCSTR defaultExtension = nullptr, LPCSTR fileName = nullptr,
                         DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR filter = nullptr,
                         CWnd* parent = nullptr);
    virtual ~CFileDialog() = default;
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    virtual INT_PTR DoModal();  // IDOK or IDCANCEL
    std::string GetPathName() const;
    std::string GetFileName() const;
    std::string GetFileExt() const;
    std::string GetFileTitle() const;
    std::string GetFolderPath() const;

    OPENFILENAME m_ofn;

private:
    BOOL m_open;
    std::vector<char> m_file;
    std::vector<char> m_title;
    std::string m_filter;
    std::string m_defExt;
    CWnd* m_parent;
};

// A message box over the main window with the application's title as caption.
int AfxMessageBox(LPCSTR text, UINT type = MB_OK, UINT helpId = 0);
int AfxMessageBox(const std::string& text, UINT type = MB_OK, UINT helpId = 0);
void AfxSetAppName(const char* title);
const char* AfxGetAppName();
