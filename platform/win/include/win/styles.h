#pragma once
// Window, dialog and control style bits with their Win32 names and values.  Resource
// scripts, dialog templates and the controls all speak these numbers, so templates written
// for the real system keep their meaning here.

#include <cstdint>

// Window styles
constexpr uint32_t WS_OVERLAPPED = 0x00000000;
constexpr uint32_t WS_POPUP = 0x80000000;
constexpr uint32_t WS_CHILD = 0x40000000;
constexpr uint32_t WS_MINIMIZE = 0x20000000;
constexpr uint32_t WS_VISIBLE = 0x10000000;
constexpr uint32_t WS_DISABLED = 0x08000000;
constexpr uint32_t WS_CLIPSIBLINGS = 0x04000000;
constexpr uint32_t WS_CLIPCHILDREN = 0x02000000;
constexpr uint32_t WS_MAXIMIZE = 0x01000000;
constexpr uint32_t WS_CAPTION = 0x00C00000;
constexpr uint32_t WS_BORDER = 0x00800000;
constexpr uint32_t WS_DLGFRAME = 0x00400000;
constexpr uint32_t WS_VSCROLL = 0x00200000;
constexpr uint32_t WS_HSCROLL = 0x00100000;
constexpr uint32_t WS_SYSMENU = 0x00080000;
constexpr uint32_t WS_THICKFRAME = 0x00040000;
constexpr uint32_t WS_GROUP = 0x00020000;
constexpr uint32_t WS_TABSTOP = 0x00010000;
constexpr uint32_t WS_MINIMIZEBOX = 0x00020000;
constexpr uint32_t WS_MAXIMIZEBOX = 0x00010000;
constexpr uint32_t WS_TILED = WS_OVERLAPPED;
constexpr uint32_t WS_ICONIC = WS_MINIMIZE;
constexpr uint32_t WS_SIZEBOX = WS_THICKFRAME;
constexpr uint32_t WS_CHILDWINDOW = WS_CHILD;
constexpr uint32_t WS_OVERLAPPEDWINDOW =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr uint32_t WS_TILEDWINDOW = WS_OVERLAPPEDWINDOW;
constexpr uint32_t WS_POPUPWINDOW = WS_POPUP | WS_BORDER | WS_SYSMENU;

// Extended window styles
constexpr uint32_t WS_EX_DLGMODALFRAME = 0x00000001;
constexpr uint32_t WS_EX_NOPARENTNOTIFY = 0x00000004;
constexpr uint32_t WS_EX_TOPMOST = 0x00000008;
constexpr uint32_t WS_EX_ACCEPTFILES = 0x00000010;
constexpr uint32_t WS_EX_TRANSPARENT = 0x00000020;
constexpr uint32_t WS_EX_MDICHILD = 0x00000040;
constexpr uint32_t WS_EX_TOOLWINDOW = 0x00000080;
constexpr uint32_t WS_EX_WINDOWEDGE = 0x00000100;
constexpr uint32_t WS_EX_CLIENTEDGE = 0x00000200;
constexpr uint32_t WS_EX_CONTEXTHELP = 0x00000400;
constexpr uint32_t WS_EX_RIGHT = 0x00001000;
constexpr uint32_t WS_EX_LEFT = 0x00000000;
constexpr uint32_t WS_EX_RTLREADING = 0x00002000;
constexpr uint32_t WS_EX_LTRREADING = 0x00000000;
constexpr uint32_t WS_EX_LEFTSCROLLBAR = 0x00004000;
constexpr uint32_t WS_EX_RIGHTSCROLLBAR = 0x00000000;
constexpr uint32_t WS_EX_CONTROLPARENT = 0x00010000;
constexpr uint32_t WS_EX_STATICEDGE = 0x00020000;
constexpr uint32_t WS_EX_APPWINDOW = 0x00040000;
constexpr uint32_t WS_EX_LAYERED = 0x00080000;
constexpr uint32_t WS_EX_NOINHERITLAYOUT = 0x00100000;
constexpr uint32_t WS_EX_LAYOUTRTL = 0x00400000;
constexpr uint32_t WS_EX_COMPOSITED = 0x02000000;
constexpr uint32_t WS_EX_NOACTIVATE = 0x08000000;
constexpr uint32_t WS_EX_OVERLAPPEDWINDOW = WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE;
constexpr uint32_t WS_EX_PALETTEWINDOW = WS_EX_WINDOWEDGE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;

// Dialog styles
constexpr uint32_t DS_ABSALIGN = 0x0001;
constexpr uint32_t DS_SYSMODAL = 0x0002;
constexpr uint32_t DS_3DLOOK = 0x0004;
constexpr uint32_t DS_FIXEDSYS = 0x0008;
constexpr uint32_t DS_NOFAILCREATE = 0x0010;
constexpr uint32_t DS_LOCALEDIT = 0x0020;
constexpr uint32_t DS_SETFONT = 0x0040;
constexpr uint32_t DS_MODALFRAME = 0x0080;
constexpr uint32_t DS_NOIDLEMSG = 0x0100;
constexpr uint32_t DS_SETFOREGROUND = 0x0200;
constexpr uint32_t DS_CONTROL = 0x0400;
constexpr uint32_t DS_CENTER = 0x0800;
constexpr uint32_t DS_CENTERMOUSE = 0x1000;
constexpr uint32_t DS_CONTEXTHELP = 0x2000;
constexpr uint32_t DS_SHELLFONT = DS_SETFONT | DS_FIXEDSYS;

// Button styles
constexpr uint32_t BS_PUSHBUTTON = 0x0000;
constexpr uint32_t BS_DEFPUSHBUTTON = 0x0001;
constexpr uint32_t BS_CHECKBOX = 0x0002;
constexpr uint32_t BS_AUTOCHECKBOX = 0x0003;
constexpr uint32_t BS_RADIOBUTTON = 0x0004;
constexpr uint32_t BS_3STATE = 0x0005;
constexpr uint32_t BS_AUTO3STATE = 0x0006;
constexpr uint32_t BS_GROUPBOX = 0x0007;
constexpr uint32_t BS_USERBUTTON = 0x0008;
constexpr uint32_t BS_AUTORADIOBUTTON = 0x0009;
constexpr uint32_t BS_PUSHBOX = 0x000A;
constexpr uint32_t BS_OWNERDRAW = 0x000B;
constexpr uint32_t BS_TYPEMASK = 0x000F;
constexpr uint32_t BS_LEFTTEXT = 0x0020;
constexpr uint32_t BS_RIGHTBUTTON = BS_LEFTTEXT;
constexpr uint32_t BS_TEXT = 0x0000;
constexpr uint32_t BS_ICON = 0x0040;
constexpr uint32_t BS_BITMAP = 0x0080;
constexpr uint32_t BS_LEFT = 0x0100;
constexpr uint32_t BS_RIGHT = 0x0200;
constexpr uint32_t BS_CENTER = 0x0300;
constexpr uint32_t BS_TOP = 0x0400;
constexpr uint32_t BS_BOTTOM = 0x0800;
constexpr uint32_t BS_VCENTER = 0x0C00;
constexpr uint32_t BS_PUSHLIKE = 0x1000;
constexpr uint32_t BS_MULTILINE = 0x2000;
constexpr uint32_t BS_NOTIFY = 0x4000;
constexpr uint32_t BS_FLAT = 0x8000;

// Edit styles
constexpr uint32_t ES_LEFT = 0x0000;
constexpr uint32_t ES_CENTER = 0x0001;
constexpr uint32_t ES_RIGHT = 0x0002;
constexpr uint32_t ES_MULTILINE = 0x0004;
constexpr uint32_t ES_UPPERCASE = 0x0008;
constexpr uint32_t ES_LOWERCASE = 0x0010;
constexpr uint32_t ES_PASSWORD = 0x0020;
constexpr uint32_t ES_AUTOVSCROLL = 0x0040;
constexpr uint32_t ES_AUTOHSCROLL = 0x0080;
constexpr uint32_t ES_NOHIDESEL = 0x0100;
constexpr uint32_t ES_OEMCONVERT = 0x0400;
constexpr uint32_t ES_READONLY = 0x0800;
constexpr uint32_t ES_WANTRETURN = 0x1000;
constexpr uint32_t ES_NUMBER = 0x2000;

// Combo box styles
constexpr uint32_t CBS_SIMPLE = 0x0001;
constexpr uint32_t CBS_DROPDOWN = 0x0002;
constexpr uint32_t CBS_DROPDOWNLIST = 0x0003;
constexpr uint32_t CBS_OWNERDRAWFIXED = 0x0010;
constexpr uint32_t CBS_OWNERDRAWVARIABLE = 0x0020;
constexpr uint32_t CBS_AUTOHSCROLL = 0x0040;
constexpr uint32_t CBS_OEMCONVERT = 0x0080;
constexpr uint32_t CBS_SORT = 0x0100;
constexpr uint32_t CBS_HASSTRINGS = 0x0200;
constexpr uint32_t CBS_NOINTEGRALHEIGHT = 0x0400;
constexpr uint32_t CBS_DISABLENOSCROLL = 0x0800;
constexpr uint32_t CBS_UPPERCASE = 0x2000;
constexpr uint32_t CBS_LOWERCASE = 0x4000;

// List box styles
constexpr uint32_t LBS_NOTIFY = 0x0001;
constexpr uint32_t LBS_SORT = 0x0002;
constexpr uint32_t LBS_NOREDRAW = 0x0004;
constexpr uint32_t LBS_MULTIPLESEL = 0x0008;
constexpr uint32_t LBS_OWNERDRAWFIXED = 0x0010;
constexpr uint32_t LBS_OWNERDRAWVARIABLE = 0x0020;
constexpr uint32_t LBS_HASSTRINGS = 0x0040;
constexpr uint32_t LBS_USETABSTOPS = 0x0080;
constexpr uint32_t LBS_NOINTEGRALHEIGHT = 0x0100;
constexpr uint32_t LBS_MULTICOLUMN = 0x0200;
constexpr uint32_t LBS_WANTKEYBOARDINPUT = 0x0400;
constexpr uint32_t LBS_EXTENDEDSEL = 0x0800;
constexpr uint32_t LBS_DISABLENOSCROLL = 0x1000;
constexpr uint32_t LBS_NODATA = 0x2000;
constexpr uint32_t LBS_NOSEL = 0x4000;
constexpr uint32_t LBS_COMBOBOX = 0x8000;
constexpr uint32_t LBS_STANDARD = LBS_NOTIFY | LBS_SORT | WS_VSCROLL | WS_BORDER;

// Static styles
constexpr uint32_t SS_LEFT = 0x0000;
constexpr uint32_t SS_CENTER = 0x0001;
constexpr uint32_t SS_RIGHT = 0x0002;
constexpr uint32_t SS_ICON = 0x0003;
constexpr uint32_t SS_BLACKRECT = 0x0004;
constexpr uint32_t SS_GRAYRECT = 0x0005;
constexpr uint32_t SS_WHITERECT = 0x0006;
constexpr uint32_t SS_BLACKFRAME = 0x0007;
constexpr uint32_t SS_GRAYFRAME = 0x0008;
constexpr uint32_t SS_WHITEFRAME = 0x0009;
constexpr uint32_t SS_USERITEM = 0x000A;
constexpr uint32_t SS_SIMPLE = 0x000B;
constexpr uint32_t SS_LEFTNOWORDWRAP = 0x000C;
constexpr uint32_t SS_OWNERDRAW = 0x000D;
constexpr uint32_t SS_BITMAP = 0x000E;
constexpr uint32_t SS_ENHMETAFILE = 0x000F;
constexpr uint32_t SS_ETCHEDHORZ = 0x0010;
constexpr uint32_t SS_ETCHEDVERT = 0x0011;
constexpr uint32_t SS_ETCHEDFRAME = 0x0012;
constexpr uint32_t SS_TYPEMASK = 0x001F;
constexpr uint32_t SS_REALSIZECONTROL = 0x0040;
constexpr uint32_t SS_NOPREFIX = 0x0080;
constexpr uint32_t SS_NOTIFY = 0x0100;
constexpr uint32_t SS_CENTERIMAGE = 0x0200;
constexpr uint32_t SS_RIGHTJUST = 0x0400;
constexpr uint32_t SS_REALSIZEIMAGE = 0x0800;
constexpr uint32_t SS_SUNKEN = 0x1000;
constexpr uint32_t SS_EDITCONTROL = 0x2000;
constexpr uint32_t SS_ENDELLIPSIS = 0x4000;
constexpr uint32_t SS_PATHELLIPSIS = 0x8000;
constexpr uint32_t SS_WORDELLIPSIS = 0xC000;
constexpr uint32_t SS_ELLIPSISMASK = 0xC000;

// Tab control styles
constexpr uint32_t TCS_SCROLLOPPOSITE = 0x0001;
constexpr uint32_t TCS_BOTTOM = 0x0002;
constexpr uint32_t TCS_RIGHT = 0x0002;
constexpr uint32_t TCS_MULTISELECT = 0x0004;
constexpr uint32_t TCS_FLATBUTTONS = 0x0008;
constexpr uint32_t TCS_FORCEICONLEFT = 0x0010;
constexpr uint32_t TCS_FORCELABELLEFT = 0x0020;
constexpr uint32_t TCS_HOTTRACK = 0x0040;
constexpr uint32_t TCS_VERTICAL = 0x0080;
constexpr uint32_t TCS_TABS = 0x0000;
constexpr uint32_t TCS_BUTTONS = 0x0100;
constexpr uint32_t TCS_SINGLELINE = 0x0000;
constexpr uint32_t TCS_MULTILINE = 0x0200;
constexpr uint32_t TCS_RIGHTJUSTIFY = 0x0000;
constexpr uint32_t TCS_FIXEDWIDTH = 0x0400;
constexpr uint32_t TCS_RAGGEDRIGHT = 0x0800;
constexpr uint32_t TCS_FOCUSONBUTTONDOWN = 0x1000;
constexpr uint32_t TCS_OWNERDRAWFIXED = 0x2000;
constexpr uint32_t TCS_TOOLTIPS = 0x4000;
constexpr uint32_t TCS_FOCUSNEVER = 0x8000;
