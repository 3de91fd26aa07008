#pragma once
// The common file dialog: a real dialog of the window system with the current folder, a list
// of folders and files, a file name field and a type filter.  Paths are host paths; typed
// paths may use '\' or '/'.

#include "win/types.h"

struct OPENFILENAME {
    DWORD lStructSize = sizeof(OPENFILENAME);
    HWND hwndOwner = nullptr;
    HINSTANCE hInstance = nullptr;
    LPCSTR lpstrFilter = nullptr;  // pairs of "description\0pattern;pattern\0", ending "\0\0"
    LPSTR lpstrCustomFilter = nullptr;
    DWORD nMaxCustFilter = 0;
    DWORD nFilterIndex = 0;     // 1-based; 0 means the first
    LPSTR lpstrFile = nullptr;  // in: the proposed name or path; out: the chosen path
    DWORD nMaxFile = 0;
    LPSTR lpstrFileTitle = nullptr;  // out: the chosen file name without folder
    DWORD nMaxFileTitle = 0;
    LPCSTR lpstrInitialDir = nullptr;
    LPCSTR lpstrTitle = nullptr;
    DWORD Flags = 0;
    WORD nFileOffset = 0;
    WORD nFileExtension = 0;
    LPCSTR lpstrDefExt = nullptr;  // appended (with a dot) to names typed without extension
    LPARAM lCustData = 0;
    void* lpfnHook = nullptr;
    LPCSTR lpTemplateName = nullptr;
};
using LPOPENFILENAME = OPENFILENAME*;

BOOL GetOpenFileName(LPOPENFILENAME ofn);
BOOL GetSaveFileName(LPOPENFILENAME ofn);
DWORD CommDlgExtendedError();
constexpr DWORD FNERR_BUFFERTOOSMALL = 0x3003;
constexpr DWORD CDERR_INITIALIZATION = 0x0002;

// Control ids of the file dialog, as on Windows.
constexpr int KV_FILEDLG_FOLDER = 1137;  // the current folder
constexpr int KV_FILEDLG_LIST = 1120;    // folders and files
constexpr int KV_FILEDLG_NAME = 1152;    // file name field
constexpr int KV_FILEDLG_TYPES = 1136;   // type filter
