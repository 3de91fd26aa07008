// The running dialog's view of a template: values by id, read-only fields, queries about the
// controls, and the keyboard order.
#include "designer/designer_window_values.h"
#include "designer/kv_dlg_designer_data.h"
#include "designer/kv_drawn_control.h"
#include "win/winuser.h"

bool Kv_DlgDesignerData::getCtrlValue(int id, Kv_String& value) const {
    const Kv_DrawnControl* drawn = drawnOfId(id);
    const Kv_DesignerControl* control = getControlFromRes(id);
    if (drawn == nullptr || control == nullptr) return false;
    value = designer_values::getWindowValue(*control, drawn->window());
    return true;
}

bool Kv_DlgDesignerData::setCtrlValue(int id, const Kv_String& value) {
    const Kv_DrawnControl* drawn = drawnOfId(id);
    const Kv_DesignerControl* control = getControlFromRes(id);
    if (drawn == nullptr || control == nullptr) return false;
    return designer_values::setWindowValue(*control, drawn->window(), value);
}

bool Kv_DlgDesignerData::setCtrlReadOnly(int id, bool readOnly) {
    const Kv_DesignerControl* control = getControlFromRes(id);
    if (control == nullptr || (control->type != kCtrlVariableEdit && control->type != kCtrlVariableCombo)) return false;
    const Kv_DrawnControl* drawn = drawnOfId(id);
    if (drawn == nullptr) return false;
    const bool enabled = IsWindowEnabled(drawn->window()) != FALSE;
    if (enabled == readOnly) EnableWindow(drawn->window(), readOnly ? FALSE : TRUE);
    return true;
}

bool Kv_DlgDesignerData::isADynControl(int id) const { return drawnOfId(id) != nullptr; }

bool Kv_DlgDesignerData::getDynControlType(int id, Kv_ControlType& type) const {
    const Kv_DesignerControl* control = getControlFromRes(id);
    if (control == nullptr) return false;
    type = control->type;
    return true;
}

bool Kv_DlgDesignerData::getFocusedDynControl(int& id) const {
    HWND focus = GetFocus();
    if (focus == nullptr) return false;
    // The edit field inside an editable combo box has the focus, not the combo box itself.
    for (HWND window = focus; window != nullptr && window != m_dialog; window = GetParent(window)) {
        const int windowId = GetDlgCtrlID(window);
        if (GetParent(window) == m_dialog) {
            id = windowId;
            return isADynControl(windowId);
        }
    }
    return false;
}

bool Kv_DlgDesignerData::findEditCtrlWithContents(const Kv_String& name, int& index) const {
    for (int i = 0; i < m_controls.length(); ++i) {
        const Kv_DesignerControl& c = m_controls[i];
        if ((c.type == kCtrlVariableEdit || c.type == kCtrlVariableCombo) && c.contents == name) {
            index = i;
            return true;
        }
    }
    return false;
}

bool Kv_DlgDesignerData::isTypeBoltCount(int id) const {
    const Kv_DesignerControl* control = getControlFromRes(id);
    return control != nullptr && (control->type == kCtrlBoltCount1 || control->type == kCtrlBoltCount2);
}

void Kv_DlgDesignerData::getAllCtrlNames(Kv_StringArray& names) const {
    names.removeAll();
    for (const Kv_DesignerControl& c : m_controls)
        if (c.type == kCtrlVariableEdit) names.append(c.contents);
}

// ---- Keyboard ----------------------------------------------------------------------------------

int Kv_DlgDesignerData::controlWithTabOrder(int tabOrder) const {
    for (int i = 0; i < m_controls.length(); ++i)
        if (m_controls[i].tabOrder == tabOrder) return i;
    return -1;
}

bool Kv_DlgDesignerData::anyControlEnabled() const {
    for (const Kv_DesignerControl& c : m_controls)
        if (!c.disabled) return true;
    return false;
}

void Kv_DlgDesignerData::focusControl(const Kv_DesignerControl& control) {
    const Kv_DrawnControl* drawn = drawnOfId(control.resId);
    if (drawn == nullptr) return;
    SetFocus(drawn->window());
    if (controlWindowClass(control.type) == Kv_WindowClass::Edit) {
        SendMessage(drawn->window(), EM_SETSEL, 0, -1);
        SendMessage(drawn->window(), EM_SCROLLCARET, 0, 0);
    }
}

bool Kv_DlgDesignerData::handleTabKey(UINT key, Kv_TabMsgHandle& result) {
    result = kTabNotHandled;
    if (key != VK_TAB || !m_initialised) return false;
    if (!anyControlEnabled()) return false;
    const bool backwards = GetKeyState(VK_SHIFT) < 0;
    int focusedId = 0;
    int index = -1;
    if (!getFocusedDynControl(focusedId) || !findCtrlFromResource(focusedId, index)) return false;
    const int order = m_controls[index].tabOrder;
    if (backwards) {
        const int previous = order < 2 ? -1 : controlWithTabOrder(order - 1);
        if (previous < 0) {
            result = kTabBeforeFirst;
            return true;
        }
        focusControl(m_controls[previous]);
    } else {
        const int next = controlWithTabOrder(order + 1);
        if (next < 0) {
            result = kTabPastLast;
            return true;
        }
        focusControl(m_controls[next]);
    }
    result = kTabHandled;
    return true;
}

bool Kv_DlgDesignerData::setFocusToCtrl(bool first) {
    if (!anyControlEnabled()) return false;
    if (first) {
        const int index = controlWithTabOrder(1);
        if (index < 0) return false;
        focusControl(m_controls[index]);
        return true;
    }
    int last = -1;
    for (int i = 0; i < m_controls.length(); ++i)
        if (m_controls[i].tabOrder > 0 && (last < 0 || m_controls[i].tabOrder > m_controls[last].tabOrder)) last = i;
    // With no numbered control the request names none and nothing gets the focus.
    if (last >= 0) focusControl(m_controls[last]);
    return true;
}
