// Turning a template into real child windows of its dialog, and reading their rectangles back
// after the user moved them in the designer.
#include <algorithm>

#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "designer/designer_window_values.h"
#include "designer/kv_designer_tracker.h"
#include "designer/kv_dlg_designer_data.h"
#include "designer/kv_drawn_control.h"
#include "win/winuser.h"

namespace {

// The flex buttons' icon in the module's resources.
constexpr int kFlexIconResource = 239;
// An opened combo box list needs room below the field; a template only gives the field.
constexpr LONG kOpenedComboHeight = 200;

}  // namespace

bool Kv_DlgDesignerData::initialize(HWND dialog, int firstId, int lastId, int typeListId, int contentsCaptionId,
                                    int contentsFieldId, int listCaptionId, int listFieldId, bool designMode) {
    if (dialog == nullptr || !IsWindow(dialog)) return false;
    // A second initialise starts over with the new dialog: windows of the old one are not ours
    // to keep.
    if (m_tracker) m_tracker->forgetAll();
    m_drawn.clear();
    m_tracker.reset();
    m_dialog = dialog;
    m_firstDynId = firstId;
    m_lastDynId = lastId;
    m_designMode = designMode;
    m_initialised = true;
    m_panelIds = {};
    if (designMode) {
        m_tracker = std::make_unique<Kv_DesignerTracker>(dialog);
        m_panelIds = {typeListId, contentsCaptionId, contentsFieldId, listCaptionId, listFieldId};
        FillCombo(dialog, typeListId, allControlTypeNames());
        updatePropsOfCurSel();
    }
    return true;
}

void Kv_DlgDesignerData::redrawAllControls() {
    if (!m_designMode)
        sortAllControls();
    else if (m_tracker)
        m_tracker->clearSelection();
    removeAllDrawnCtrls();
    for (const Kv_DesignerControl& control : m_controls) drawControl(control);
}

void Kv_DlgDesignerData::removeAllDrawnCtrls() {
    if (m_tracker) {
        m_tracker->clearSelection();
        m_tracker->forgetAll();
    }
    m_drawn.clear();
}

bool Kv_DlgDesignerData::removeDrawnControl(int resourceId) {
    const int index = drawnIndexOfId(resourceId);
    if (index < 0) return false;
    if (m_tracker) {
        m_tracker->remove(m_drawn[index].get());
        m_tracker->clearSelection();
    }
    m_drawn.erase(m_drawn.begin() + index);
    return true;
}

bool Kv_DlgDesignerData::drawControl(const Kv_DesignerControl& control) {
    if (!m_initialised || m_dialog == nullptr || !IsWindow(m_dialog)) return false;
    const Kv_ControlTypeInfo& info = controlTypeInfo(control.type);
    const bool isCombo = info.windowClass == Kv_WindowClass::ComboBox;

    RECT r = getPixelRect(control);
    if (!m_designMode && isCombo && r.bottom - r.top < kOpenedComboHeight) r.bottom = r.top + kOpenedComboHeight;
    const int width = std::max<LONG>(0, r.right - r.left);
    const int height = std::max<LONG>(0, r.bottom - r.top);

    HWND window = CreateWindowEx(info.exStyle, windowClassName(info.windowClass), control.contents.c_str(),
                                 WS_CHILD | WS_VISIBLE | info.style, r.left, r.top, width, height, m_dialog,
                                 reinterpret_cast<HMENU>(static_cast<intptr_t>(control.resId)), nullptr, nullptr);
    if (window == nullptr) return false;
    SendMessage(window, WM_SETFONT, static_cast<WPARAM>(SendMessage(m_dialog, WM_GETFONT, 0, 0)), FALSE);
    // In the designer the windows must not take clicks: the tracker gets them instead.
    if (control.disabled || (m_designMode && info.windowClass != Kv_WindowClass::Static)) EnableWindow(window, FALSE);

    m_drawn.push_back(std::make_unique<Kv_DrawnControl>(window));
    if (m_designMode && m_tracker) m_tracker->add(m_drawn.back().get());

    if (isCombo) fillCombo(control, window);
    if (control.type == kCtrlChoice)
        designer_values::setWindowValue(control, window, control.contents);
    else if (control.type == kCtrlCheckBox)
        designer_values::setWindowValue(control, window, control.listText);
    else if (control.type == kCtrlFlexButton)
        SendMessage(window, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(flexIcon()));
    return true;
}

void Kv_DlgDesignerData::fillCombo(const Kv_DesignerControl& control, HWND combo) {
    Kv_StringArray entries;
    if (control.type == kCtrlChoice) {
        entries = stringArr(dialString(1395), dialString(1396), dialString(1397), dialString(1398), dialString(695));
    } else {
        entries = control.items;
        if (entries.isEmpty()) control.getComboItemsFromFile(entries);
    }
    SendMessage(combo, CB_RESETCONTENT, 0, 0);
    for (const Kv_String& entry : entries) SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    const int selected = entries.find(control.contents);
    if (selected >= 0)
        SendMessage(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    else
        SetWindowText(combo, control.contents.c_str());
}

HICON Kv_DlgDesignerData::flexIcon() {
    if (m_buttonIcon == nullptr) m_buttonIcon = LoadIcon(nullptr, MAKEINTRESOURCE(kFlexIconResource));
    return m_buttonIcon;
}

void Kv_DlgDesignerData::updateRectsFromWindows() {
    // Only the designer moves windows.  A running dialog draws combo boxes with their opened
    // list, so reading its windows back would store that height in the template.  Without a
    // picture every window sits at 0, 0 and no fraction can be derived: the stored ones stay.
    if (!m_designMode || m_pictureWidth <= 0 || m_pictureHeight <= 0) return;
    if (m_drawn.size() != static_cast<size_t>(m_controls.length())) return;
    for (int i = 0; i < m_controls.length(); ++i) {
        if (!IsWindow(m_drawn[i]->window())) continue;
        const RECT r = m_drawn[i]->windowRect();
        Kv_DesignerControl& control = m_controls[i];
        // A combo box window always has the height of its closed field, whatever the template
        // says; reading that back would change the stored height by merely saving.  It keeps its
        // stored height and follows its window's top.
        const double height = getHeight(control);
        setTopLeftX(control, r.left);
        setTopLeftY(control, r.top);
        setBottomRightX(control, r.right);
        if (controlWindowClass(control.type) == Kv_WindowClass::ComboBox)
            setBottomRightY(control, r.top + height);
        else
            setBottomRightY(control, r.bottom);
    }
    if (m_tracker) m_tracker->refreshRects();
}

int Kv_DlgDesignerData::drawnIndexOfId(int id) const {
    if (id < 1) return -1;
    for (size_t i = 0; i < m_drawn.size(); ++i)
        if (m_drawn[i]->id() == id) return static_cast<int>(i);
    return -1;
}

Kv_DrawnControl* Kv_DlgDesignerData::drawnOfId(int id) const {
    const int index = drawnIndexOfId(id);
    return index < 0 ? nullptr : m_drawn[index].get();
}

void Kv_DlgDesignerData::repaintDialog() {
    if (m_dialog != nullptr && IsWindow(m_dialog)) InvalidateRect(m_dialog, nullptr, TRUE);
}
