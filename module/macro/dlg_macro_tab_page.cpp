// CDlgMacroTabPage: set-up, size and layout, the picture, focus memory and the keyboard.
#include "macro/dlg_macro_tab_page.h"

#include <algorithm>

#include "designer/dlg_designer.h"
#include "macro/dlg_macro.h"
#include "macro/macro_ids.h"

namespace {

constexpr int kBoltRowHeight = 47;
constexpr int kSheetHeight = 130;

// The three focus rings of a page, in Tab order.
enum Ring { kTemplateRing = 0, kSheetRing = 1, kOrdinaryRing = 2, kRingCount = 3 };

bool focusable(HWND window) { return window && ::IsWindowVisible(window) && ::IsWindowEnabled(window); }

}  // namespace

CDlgMacroTabPage::CDlgMacroTabPage(CDlgMacro* owner, int tabIndex)
    : CDlgMacroTabPage(IDD_MACRO_TAB_PAGE, owner, tabIndex) {}

CDlgMacroTabPage::CDlgMacroTabPage(UINT templateId, CDlgMacro* owner, int tabIndex)
    : CDlgMacroPage(templateId, owner, tabIndex), sheet_(this) {}

CDlgMacroTabPage::~CDlgMacroTabPage() = default;

MacroTabData& CDlgMacroTabPage::tab() { return owner_->macro.tabs[tabIndex_]; }
const MacroTabData& CDlgMacroTabPage::tab() const { return owner_->macro.tabs[tabIndex_]; }

BOOL CDlgMacroTabPage::OnInitDialog() {
    CDialog::OnInitDialog();
    template_.initialize(m_hWnd, 33000, 33099, 0, 0, 0, 0, 0, false);
    sheet_.attach(this, IDC_PAGE_SHEET, true);
    sheet_.setDefaults(0);
    fillPage(true);
    ready_ = true;
    return TRUE;
}

void CDlgMacroTabPage::fillControls() {
    const bool wasReady = ready_;
    ready_ = false;
    fillPage(false);
    ready_ = wasReady;
}

void CDlgMacroTabPage::readBack() {
    // A cell being typed in counts: its editor is closed (and its text stored) first.
    if (sheet_.isAttached() && sheet_.GetEditMode()) sheet_.SetEditMode(FALSE);
    valuesFromControls();
}

int CDlgMacroTabPage::fixedRowsHeight() const { return kind_ == 1 && !templateHasBoltButton_ ? kBoltRowHeight : 0; }

SIZE CDlgMacroTabPage::wantedSize() const {
    int width = 0, height = 0;
    template_.getImageSize(width, height);
    SIZE size{std::max(width - 20, 310), height - 20 + fixedRowsHeight()};
    if (sheetShown_) size.cy += kSheetHeight;
    return size;
}

void CDlgMacroTabPage::layoutControls() {
    if (!m_hWnd) return;
    CRect client;
    GetClientRect(&client);
    int imageWidth = 0, imageHeight = 0;
    template_.getImageSize(imageWidth, imageHeight);
    const int fixed = fixedRowsHeight();
    if (sheet_.isAttached())
        sheet_.SetWindowPos(nullptr, 3, imageHeight + 2, std::max(0, client.Width() - 6),
                            std::max(0, client.bottom - 4 - fixed - (imageHeight + 2)), SWP_NOZORDER | SWP_NOACTIVATE);
    if (fixed > 0) placeFixedRows(client, client.bottom - fixed);
}

// The page's own controls that take the focus, in Tab order (the bolt row).
std::vector<int> CDlgMacroTabPage::ordinaryControls() const {
    return {IDC_PAGE_BOLT_COMPOSITION, IDC_PAGE_BOLT_DIAMETER, IDC_PAGE_BOLT_OPTIONS};
}

void CDlgMacroTabPage::placeFixedRows(const CRect&, int top) {
    // The bolt row sits in the fixed rows below the sheet: labels above their lists.
    struct Place {
        int id, x, y, cx, cy;
    };
    for (const Place& p :
         {Place{IDC_PAGE_BOLT_COMPOSITION_LABEL, 6, top + 2, 150, 16},
          Place{IDC_PAGE_BOLT_COMPOSITION, 6, top + 20, 150, 200},
          Place{IDC_PAGE_BOLT_DIAMETER_LABEL, 164, top + 2, 100, 16},
          Place{IDC_PAGE_BOLT_DIAMETER, 164, top + 20, 100, 200}, Place{IDC_PAGE_BOLT_OPTIONS, 272, top + 19, 90, 24}})
        if (HWND control = ::GetDlgItem(m_hWnd, p.id))
            ::SetWindowPos(control, nullptr, p.x, p.y, p.cx, p.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDlgMacroTabPage::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    layoutControls();
}

BOOL CDlgMacroTabPage::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (msg) {
    case WM_ERASEBKGND: {
        // The dialog's face first, then the template's picture over it (white left out).
        HDC dc = reinterpret_cast<HDC>(wParam);
        CRect client;
        GetClientRect(&client);
        ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
        template_.OnEraseBkgnd(dc);
        *result = 1;
        return TRUE;
    }
    case SSM_CLICK:
    case SSM_DBLCLK:
    case SSM_LEAVECELL:
    case SSM_RBUTTON: *result = 0; return TRUE;
    case SSM_EDITMODEOFF:
        *result = 0;
        if (ready_) applyPage();
        return TRUE;
    default: return CDlgMacroPage::OnWndMsg(msg, wParam, lParam, result);
    }
}

// ---- Focus memory --------------------------------------------------------------------------

MacroFocusRecord CDlgMacroTabPage::focusNow() const {
    MacroFocusRecord where;
    int id = 0;
    if (template_.getFocusedDynControl(id)) {
        if (template_.isTypeBoltCount(id)) {
            where.kind = MacroFocusRecord::Kind::CountField;
            DWORD start = 0, end = 0;
            ::SendMessage(::GetDlgItem(m_hWnd, id), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                          reinterpret_cast<LPARAM>(&end));
            where.selStart = static_cast<int>(start);
            where.selEnd = static_cast<int>(end);
        } else {
            where.kind = MacroFocusRecord::Kind::Control;
        }
        where.controlId = id;
        return where;
    }
    HWND focus = ::GetFocus();
    if (sheet_.isAttached() && focus && (focus == sheet_.m_hWnd || ::IsChild(sheet_.m_hWnd, focus))) {
        SS_COORD col = 0, row = 0;
        sheet_.GetActiveCell(&col, &row);
        where.kind = MacroFocusRecord::Kind::SheetCell;
        where.col = col;
        where.row = row;
    }
    return where;
}

void CDlgMacroTabPage::restoreFocus(const MacroFocusRecord& where) {
    switch (where.kind) {
    case MacroFocusRecord::Kind::SheetCell:
        if (sheet_.isAttached() && sheet_.IsWindowVisible()) {
            sheet_.SetFocus();
            sheet_.SetActiveCell(where.col, where.row);
        }
        break;
    case MacroFocusRecord::Kind::CountField:
    case MacroFocusRecord::Kind::Control:
        if (HWND control = ::GetDlgItem(m_hWnd, where.controlId); focusable(control)) {
            ::SetFocus(control);
            if (where.kind == MacroFocusRecord::Kind::CountField)
                ::SendMessage(control, EM_SETSEL, static_cast<WPARAM>(where.selStart),
                              static_cast<LPARAM>(where.selEnd));
        }
        break;
    case MacroFocusRecord::Kind::None: break;
    }
}

void CDlgMacroTabPage::focusFirst() {
    for (int ring = 0; ring < kRingCount; ++ring)
        if (focusRing(ring, true)) return;
}

// ---- Keyboard ------------------------------------------------------------------------------

int CDlgMacroTabPage::focusedRing() const {
    int id = 0;
    if (template_.getFocusedDynControl(id)) return kTemplateRing;
    HWND focus = ::GetFocus();
    if (!focus) return -1;
    if (sheet_.isAttached() && (focus == sheet_.m_hWnd || ::IsChild(sheet_.m_hWnd, focus))) return kSheetRing;
    for (int controlId : ordinaryControls()) {
        HWND control = ::GetDlgItem(m_hWnd, controlId);
        if (control && (focus == control || ::IsChild(control, focus))) return kOrdinaryRing;
    }
    return -1;
}

bool CDlgMacroTabPage::focusRing(int ring, bool first) {
    switch (ring) {
    case kTemplateRing: {
        if (!template_.setFocusToCtrl(first)) return false;
        int id = 0;
        return template_.getFocusedDynControl(id);
    }
    case kSheetRing: return sheet_.isAttached() && sheet_.IsWindowVisible() && sheet_.focusEdge(first);
    case kOrdinaryRing: {
        const std::vector<int> controls = ordinaryControls();
        const int count = static_cast<int>(controls.size());
        for (int i = 0; i < count; ++i) {
            HWND control = ::GetDlgItem(m_hWnd, controls[static_cast<size_t>(first ? i : count - 1 - i)]);
            if (focusable(control)) {
                ::SetFocus(control);
                return true;
            }
        }
        return false;
    }
    default: return false;
    }
}

// Tab leaves a ring at its end for the next ring (Shift+Tab for the previous one, at its last
// control); a ring with nothing to take the focus is passed over, four rings at most.
bool CDlgMacroTabPage::moveFocusRing(bool forward) {
    int ring = focusedRing();
    if (ring < 0) return false;
    if (ring == kOrdinaryRing) {
        // Inside the page's own controls the order is the list's.
        HWND focus = ::GetFocus();
        const std::vector<int> controls = ordinaryControls();
        const int count = static_cast<int>(controls.size());
        int at = -1;
        for (int i = 0; i < count; ++i) {
            HWND control = ::GetDlgItem(m_hWnd, controls[static_cast<size_t>(i)]);
            if (control && (focus == control || ::IsChild(control, focus))) at = i;
        }
        for (int i = at + (forward ? 1 : -1); i >= 0 && i < count; i += forward ? 1 : -1)
            if (HWND control = ::GetDlgItem(m_hWnd, controls[static_cast<size_t>(i)]); focusable(control)) {
                ::SetFocus(control);
                return true;
            }
    }
    for (int tries = 0; tries < 4; ++tries) {
        ring = (ring + (forward ? 1 : kRingCount - 1)) % kRingCount;
        if (focusRing(ring, forward)) return true;
    }
    return false;
}

bool CDlgMacroTabPage::handleKey(const MSG& msg) {
    const UINT key = static_cast<UINT>(msg.wParam);
    if (msg.message == WM_KEYDOWN && key == VK_TAB) {
        const int ring = focusedRing();
        if (ring == kTemplateRing) {
            Kv_TabMsgHandle result = kTabNotHandled;
            if (!template_.handleTabKey(VK_TAB, result)) return false;
            if (result == kTabHandled) return true;
            return moveFocusRing(result == kTabPastLast);
        }
        if (ring == kSheetRing) {
            int result = kTabDefault;
            if (!sheet_.handleTab(VK_TAB, result) || result == kTabInside) return false;
            return moveFocusRing(result == kTabLeaveForward);
        }
        if (ring == kOrdinaryRing) return moveFocusRing((::GetKeyState(VK_SHIFT) & 0x8000) == 0);
        return false;
    }
    if (msg.message == WM_KEYDOWN && key == VK_ESCAPE) {
        closeOwner();
        return true;
    }
    if (msg.message == WM_KEYDOWN && key == VK_F12) {
        // The person redesigns the template; the page shows it again when they saved it.
        if (!StartDlgDesigner(tab().templateFile)) return false;
        const bool wasReady = ready_;
        ready_ = false;
        fillPage(true);
        ready_ = wasReady;
        return true;
    }
    if (!ready_) return false;
    if (msg.message == WM_KEYDOWN && key == VK_RETURN) {
        int id = 0;
        if (!template_.getFocusedDynControl(id) && sheet_.isAttached() && sheet_.GetEditMode()) {
            // Enter ends the cell's edit; the sheet's end-of-edit notice applies the page.
            sheet_.SetEditMode(FALSE);
            return true;
        }
        applyPage();
        return true;
    }
    if (msg.message == WM_KEYUP && key == VK_SPACE) {
        int id = 0;
        Kv_ControlType type = kCtrlLabel;
        if (template_.getFocusedDynControl(id) && template_.getDynControlType(id, type) &&
            (type == kCtrlBoltCount1 || type == kCtrlBoltCount2))
            applyPage();
        return false;
    }
    return false;
}

BOOL CDlgMacroTabPage::PreTranslateMessage(MSG* msg) {
    if (msg->message != WM_KEYDOWN && msg->message != WM_KEYUP) return FALSE;
    if (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd)) return FALSE;
    return handleKey(*msg) ? TRUE : FALSE;
}

void CDlgMacroTabPage::closeOwner() {
    if (owner_) owner_->closeDialog();
}
