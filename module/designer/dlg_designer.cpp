// CDlgDesigner: set-up, layout, the design surface's events and the editing buttons.  Files
// and the save question are in dlg_designer_files.cpp.
#include "designer/dlg_designer.h"

#include <algorithm>

#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "core/file_layer.h"
#include "designer/designer_ids.h"
#include "frame/dialog_launcher.h"
#include "win/wingdi.h"

namespace {

constexpr const char* kSizeName = "DLG_DLGDESIGNER";
constexpr UINT kCtlColorStatic = WM_CTLCOLORSTATIC - WM_CTLCOLORMSGBOX;
constexpr WPARAM kBigIcon = 1;

struct IconButton {
    int id, icon, tooltip;  // tooltip 0: none
};
constexpr IconButton kIconButtons[10] = {
    {IDC_DESIGNER_OPEN, IDI_KV_OPEN, 0},
    {IDC_DESIGNER_SAVE, IDI_KV_SAVE, 0},
    {IDC_DESIGNER_PICTURE, IDI_DESIGNER_PICTURE, 0},
    {IDC_DESIGNER_ADD, IDI_KV_ADD, 0},
    {IDC_DESIGNER_REMOVE, IDI_KV_REMOVE, 0},
    {IDC_DESIGNER_COPY, IDI_DESIGNER_COPY, 0},
    {IDC_DESIGNER_WIDTH, IDI_DESIGNER_WIDTH, 0},
    {IDC_DESIGNER_HEIGHT, IDI_DESIGNER_HEIGHT, 0},
    {IDC_DESIGNER_UNDO, IDI_DESIGNER_UNDO, 1461},
    {IDC_DESIGNER_REDO, IDI_DESIGNER_REDO, 1462},
};

// The controls below the surface: they keep their place to the bottom left corner.
constexpr int kBottomLeft[] = {IDC_DESIGNER_OPEN,
                               IDC_DESIGNER_SAVE,
                               IDC_DESIGNER_PICTURE,
                               IDC_DESIGNER_ADD,
                               IDC_DESIGNER_REMOVE,
                               IDC_DESIGNER_COPY,
                               IDC_DESIGNER_WIDTH,
                               IDC_DESIGNER_HEIGHT,
                               IDC_DESIGNER_BOTTOMS,
                               IDC_DESIGNER_SIDE_BY_SIDE,
                               IDC_DESIGNER_UNDO,
                               IDC_DESIGNER_REDO,
                               IDC_DESIGNER_SNAP,
                               IDC_DESIGNER_GRID_STEP,
                               IDC_DESIGNER_FRAME,
                               IDC_DESIGNER_TYPE,
                               IDC_DESIGNER_CONTENTS_CAPTION,
                               IDC_DESIGNER_CONTENTS,
                               IDC_DESIGNER_LIST_CAPTION,
                               IDC_DESIGNER_LIST};

// Everything of the template that an edit can change, to tell whether one did.
Kv_String layoutText(const Kv_Array<Kv_DesignerControl>& controls) {
    Kv_String text;
    for (int i = 0; i < controls.length(); ++i) {
        const Kv_DesignerControl* c = &controls[i];
        text += Kv_String(static_cast<int>(c->type)) + "|" + Kv_String(c->resId) + "|" + Kv_String(c->topLeftX, -1) +
                "|" + Kv_String(c->topLeftY, -1) + "|" + Kv_String(c->bottomRightX, -1) + "|" +
                Kv_String(c->bottomRightY, -1) + "|" + c->contents + "|" + c->getMergedExtComboList() + "\n";
    }
    return text;
}

}  // namespace

CDlgDesigner::CDlgDesigner(CWnd* parent) : CDialog(IDD_DLG_DESIGNER, parent) {}

BOOL CDlgDesigner::OnInitDialog() {
    CDialog::OnInitDialog();
    // The template's own size is the smallest the designer may get; a remembered size comes
    // after (taking that as the minimum would let the designer only ever grow).
    getDlgSize(this, m_minWidth, m_minHeight, true);
    setUpResizer();
    setUpButtons();
    SetDlgItemText(IDC_DESIGNER_FRAME, dialString(836).c_str());
    SetDlgItemText(IDOK, dialString(285).c_str());
    SetDlgItemText(IDC_DESIGNER_SNAP, dialString(1460).c_str());
    loadGridSettings();
    ShowOrHideCtrl(this, IDCANCEL, false);
    m_data.initialize(m_hWnd, IDC_DESIGNER_FIRST_DYNAMIC, IDC_DESIGNER_LAST_DYNAMIC, IDC_DESIGNER_TYPE,
                      IDC_DESIGNER_CONTENTS_CAPTION, IDC_DESIGNER_CONTENTS, IDC_DESIGNER_LIST_CAPTION,
                      IDC_DESIGNER_LIST, true);
    ChangeDlgSize(this, kSizeName, false);
    int width = 0, height = 0;
    if (getDlgSize(this, width, height, true) && (width < m_minWidth || height < m_minHeight))
        SetWindowPos(nullptr, 0, 0, std::max(width, m_minWidth), std::max(height, m_minHeight),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!templateFile.isEmpty() && ObjectExportFileExists(templateFile)) {
        m_data.readFromFile(templateFile, true);
        m_data.redrawAllControls();
        growToShowPicture();
    }
    m_data.updatePropsOfCurSel();
    m_modified = false;
    setTitle();
    updateUndoButtons();
    return TRUE;
}

void CDlgDesigner::setUpButtons() {
    for (size_t i = 0; i < m_iconButtons.size(); ++i) {
        CButtonST& button = m_iconButtons[i];
        if (!button.SubclassDlgItem(kIconButtons[i].id, this)) continue;
        button.SetIcon(kIconButtons[i].icon);
        button.SetFlat();
        if (kIconButtons[i].tooltip != 0) button.SetTooltipText(kIconButtons[i].tooltip);
    }
    HICON icon = LoadIcon(nullptr, MAKEINTRESOURCE(IDI_DESIGNER));
    if (icon != nullptr) SendMessage(WM_SETICON, kBigIcon, reinterpret_cast<LPARAM>(icon));
}

void CDlgDesigner::setUpResizer() {
    m_resizer.attach(this);
    m_resizer.setMinimumSize(m_minWidth, m_minHeight);
    for (int id : kBottomLeft) m_resizer.setAnchor(id, CResizer::Left | CResizer::Bottom);
    for (int id : {IDOK, IDCANCEL}) m_resizer.setAnchor(id, CResizer::Right | CResizer::Bottom);
}

void CDlgDesigner::setTitle() {
    Kv_String title = dialString(843);
    if (!m_data.getName().isEmpty()) title += " - <" + m_data.getName() + ">";
    SetWindowText(title.c_str());
}

// The surface is the client area above the button row; a picture larger than that makes the
// dialog as much larger, as far as the screen allows.
void CDlgDesigner::growToShowPicture() {
    int pictureWidth = 0, pictureHeight = 0;
    m_data.getImageSize(pictureWidth, pictureHeight);
    RECT client{}, row{};
    GetClientRect(&client);
    HWND firstButton = ::GetDlgItem(m_hWnd, IDC_DESIGNER_OPEN);
    if (firstButton == nullptr) return;
    ::GetWindowRect(firstButton, &row);
    POINT rowTop{row.left, row.top};
    ::ScreenToClient(m_hWnd, &rowTop);
    const int surfaceHeight = rowTop.y - 8;
    const int extraWidth = std::max(0, pictureWidth - (client.right - client.left));
    const int extraHeight = std::max(0, pictureHeight - surfaceHeight);
    if (extraWidth == 0 && extraHeight == 0) return;
    RECT window{};
    GetWindowRect(&window);
    const int width = std::min(window.right - window.left + extraWidth, GetSystemMetrics(SM_CXSCREEN));
    const int height = std::min(window.bottom - window.top + extraHeight, GetSystemMetrics(SM_CYSCREEN));
    SetWindowPos(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// --- closing -----------------------------------------------------------------------------

void CDlgDesigner::OnOK() {
    if (askToSave()) EndDialog(IDOK);
}

// Escape (and the hidden Cancel button) must not throw a layout away unasked.
void CDlgDesigner::OnCancel() {}

void CDlgDesigner::OnClose() {
    if (askToSave()) EndDialog(IDCANCEL);
}

BOOL CDlgDesigner::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) return TRUE;
    if (msg->message == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0 && (msg->wParam == 'Z' || msg->wParam == 'Y')) {
        undoOrRedo(msg->wParam == 'Y' || GetKeyState(VK_SHIFT) < 0);
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

// --- commands ----------------------------------------------------------------------------

template <typename Operation>
bool CDlgDesigner::edit(Operation operation, long long mergeKey) {
    Kv_DesignerLayout before = m_data.takeLayout();
    const Kv_String was = layoutText(before.controls);
    operation();
    if (layoutText(m_data.takeLayout().controls) == was) return false;
    m_modified = true;
    m_history.record(Kv_DesignerStep{std::move(before), std::nullopt}, mergeKey);
    updateUndoButtons();
    return true;
}

void CDlgDesigner::undoOrRedo(bool redo) {
    const Kv_DesignerStep* next = redo ? m_history.nextRedo() : m_history.nextUndo();
    if (next == nullptr) return;
    Kv_DesignerStep current{m_data.takeLayout(), std::nullopt};
    if (next->picture) current.picture = currentPicture(next->picture->path);
    Kv_DesignerStep restored;
    if (!(redo ? m_history.redo(std::move(current), restored) : m_history.undo(std::move(current), restored))) return;
    // The picture first: the windows are drawn at its size.
    if (restored.picture) putPictureBack(*restored.picture);
    m_data.restoreLayout(restored.layout);
    m_data.updatePropsOfCurSel();
    m_modified = true;
    updateUndoButtons();
    Invalidate();
}

void CDlgDesigner::updateUndoButtons() {
    EnDisCtrl(this, IDC_DESIGNER_UNDO, m_history.canUndo());
    EnDisCtrl(this, IDC_DESIGNER_REDO, m_history.canRedo());
}

BOOL CDlgDesigner::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_DESIGNER_OPEN: onOpen(); return TRUE;
        case IDC_DESIGNER_SAVE: saveUnderName(); return TRUE;
        case IDC_DESIGNER_PICTURE: onPicture(); return TRUE;
        case IDC_DESIGNER_ADD:
            edit([&] { m_data.addNewControl(kCtrlVariableEdit); });
            m_modified = true;
            m_data.updatePropsOfCurSel();
            return TRUE;
        case IDC_DESIGNER_REMOVE:
            edit([&] { m_data.removeCurControls(); });
            Invalidate();
            m_modified = true;
            m_data.updatePropsOfCurSel();
            return TRUE;
        case IDC_DESIGNER_SNAP: onGridChanged(); return TRUE;
        case IDC_DESIGNER_UNDO: undoOrRedo(false); return TRUE;
        case IDC_DESIGNER_REDO: undoOrRedo(true); return TRUE;
        case IDC_DESIGNER_WIDTH: edit([&] { m_data.changeCtrlSize(true); }); return TRUE;
        case IDC_DESIGNER_HEIGHT: edit([&] { m_data.changeCtrlSize(false); }); return TRUE;
        case IDC_DESIGNER_COPY:
            edit([&] { m_data.copyCurCtrls(); });
            m_data.updatePropsOfCurSel();
            return TRUE;
        case IDC_DESIGNER_BOTTOMS: edit([&] { m_data.outlineCurCtrls(); }); return TRUE;
        case IDC_DESIGNER_SIDE_BY_SIDE: edit([&] { m_data.stickRightCurCtrls(); }); return TRUE;
        default: break;
        }
    }
    if (id == IDC_DESIGNER_TYPE && code == CBN_SELCHANGE) {
        edit([&] {
            m_data.propsOfCurSelUpdated();
            m_data.updatePropsOfCurSel();
        });
        return TRUE;
    }
    if (id == IDC_DESIGNER_GRID_STEP && code == EN_CHANGE) {
        onGridChanged();
        return TRUE;
    }
    if ((id == IDC_DESIGNER_CONTENTS || id == IDC_DESIGNER_LIST) && code == EN_CHANGE) {
        // Typing into one field for one control is one step.
        const Kv_Array<int> selected = m_data.getSelectedIds();
        const long long key = selected.length() == 1 ? static_cast<long long>(id) * 100000 + selected[0] : 0;
        if (!m_data.isUpdatingProperties()) edit([&] { m_data.propsOfCurSelUpdated(); }, key);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

// --- the design surface ------------------------------------------------------------------

void CDlgDesigner::OnLButtonDown(UINT flags, CPoint point) {
    // A drag is one step; a click that moved nothing is none, but ends any typing step.
    m_history.endMerge();
    edit([&] {
        const Kv_DesignerLayout before = m_data.takeLayout();
        m_data.OnLButtonDown(flags, POINT{point.x, point.y});
        snapToGrid(before);
    });
    m_data.updatePropsOfCurSel();
    m_modified = true;
}

void CDlgDesigner::OnPaint() {
    CPaintDC dc(this);
    paintGrid(dc.m_hDC);
    m_data.OnPaint(dc.m_hDC);
}

BOOL CDlgDesigner::OnEraseBkgnd(CDC* dc) {
    if (dc != nullptr && m_data.OnEraseBkgnd(dc->m_hDC)) return TRUE;
    return CDialog::OnEraseBkgnd(dc);
}

BOOL CDlgDesigner::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    if (m_data.OnSetCursor(wnd ? wnd->m_hWnd : nullptr, hitTest, message)) return TRUE;
    return CDialog::OnSetCursor(wnd, hitTest, message);
}

// Statics let the picture show through.  A static with an extended style bit of 5 (a modal
// frame or no parent notify) keeps its own background: those are drawn as framed boxes.
HBRUSH CDlgDesigner::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor) {
    if (ctlColor == kCtlColorStatic && dc != nullptr && wnd != nullptr &&
        (::GetWindowLong(wnd->m_hWnd, GWL_EXSTYLE) & 5) == 0) {
        dc->SetBkMode(TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    return CDialog::OnCtlColor(dc, wnd, ctlColor);
}

// --- size --------------------------------------------------------------------------------

void CDlgDesigner::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (!m_resizer.isAttached()) return;
    m_resizer.resize();
    Invalidate();
}

void CDlgDesigner::OnGetMinMaxInfo(MINMAXINFO* info) {
    if (m_resizer.isAttached()) m_resizer.limitTracking(info);
    CDialog::OnGetMinMaxInfo(info);
}

void CDlgDesigner::OnDestroy() {
    WriteDlgSize(this, kSizeName);
    CDialog::OnDestroy();
}

// --- launcher ----------------------------------------------------------------------------

bool runDlgDesigner(const Kv_String& templateFile, Kv_String& leftName) {
    return frame::launchModalDialog<CDlgDesigner>(
        frame::LaunchRules{}, [&](CDlgDesigner& dialog) { dialog.templateFile = templateFile; }, [](CDlgDesigner&) {},
        [&](CDlgDesigner& dialog, INT_PTR) { leftName = dialog.data().getName(); });
}

bool StartDlgDesigner(const Kv_String& templateFile) {
    Kv_String leftName;
    return runDlgDesigner(templateFile, leftName);
}
