// Flex buttons: toggling icon buttons grouped by name (flex text 1); a button's variable is its
// contents, and a button whose flex text 3 is set belongs to its group's marked list.
#include "core/dialog_helpers.h"
#include "designer/kv_dlg_designer_data.h"
#include "designer/kv_drawn_control.h"
#include "win/winuser.h"

void Kv_DlgDesignerData::getFlexBtnsGroups(Kv_StringArray& groups) const {
    groups.removeAll();
    for (const Kv_DesignerControl& c : m_controls)
        if (c.type == kCtrlFlexButton && !groups.contains(c.flexText1)) groups.append(c.flexText1);
}

bool Kv_DlgDesignerData::getFlexBtnsInGroup(const Kv_String& group, Kv_Array<int>& all, Kv_Array<int>& marked) const {
    all.removeAll();
    marked.removeAll();
    if (group.isEmpty()) return true;
    for (int i = 0; i < m_controls.length(); ++i) {
        const Kv_DesignerControl& c = m_controls[i];
        if (c.type != kCtrlFlexButton || c.flexText1 != group) continue;
        all.append(i);
        if (!c.flexText3.isEmpty()) marked.append(i);
    }
    return true;
}

bool Kv_DlgDesignerData::getAllFlexVarsOfGroup(const Kv_String& group, Kv_StringArray& vars) const {
    for (const Kv_DesignerControl& c : m_controls)
        if (c.type == kCtrlFlexButton && c.flexText1 == group) vars.append(c.contents);
    return true;
}

bool Kv_DlgDesignerData::findFlexButton(const Kv_String& group, const Kv_String& variable, int& index) const {
    for (int i = 0; i < m_controls.length(); ++i) {
        const Kv_DesignerControl& c = m_controls[i];
        if (c.type == kCtrlFlexButton && c.flexText1 == group && c.contents == variable) {
            index = i;
            return true;
        }
    }
    return false;
}

bool Kv_DlgDesignerData::getFlexBtnGroupName(int id, Kv_String& group, Kv_String& variable) const {
    const Kv_DesignerControl* c = getControlFromRes(id);
    if (c == nullptr || c->type != kCtrlFlexButton) return false;
    group = c->flexText1;
    variable = c->contents;
    return true;
}

bool Kv_DlgDesignerData::isFlexButtonIndex(int index) const {
    return m_controls.isValidIndex(index) && m_controls[index].type == kCtrlFlexButton;
}

bool Kv_DlgDesignerData::getFlexBtnStatus(int index, int& state) const {
    if (!isFlexButtonIndex(index)) return false;
    const Kv_DrawnControl* drawn = drawnOfId(m_controls[index].resId);
    if (drawn == nullptr) return false;
    state = static_cast<int>(SendMessage(drawn->window(), BM_GETCHECK, 0, 0));
    return true;
}

bool Kv_DlgDesignerData::getSetFlexBtnStatus(bool set, int index, int& state) {
    if (!set) return getFlexBtnStatus(index, state);
    if (!isFlexButtonIndex(index)) return false;
    const Kv_DrawnControl* drawn = drawnOfId(m_controls[index].resId);
    if (drawn == nullptr) return false;
    // A flex button is on or off; a mixed state shows as off.
    SendMessage(drawn->window(), BM_SETCHECK, state == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED, 0);
    return true;
}

bool Kv_DlgDesignerData::setFlexBtnStatus(const Kv_String& group, const Kv_String& variable, int state) {
    int index = -1;
    if (!findFlexButton(group, variable, index)) return false;
    return getSetFlexBtnStatus(true, index, state);
}

bool Kv_DlgDesignerData::hideAllFlexBtns(const Kv_String& group) {
    for (const Kv_DesignerControl& c : m_controls)
        if (c.type == kCtrlFlexButton && c.flexText1 == group && m_dialog != nullptr)
            ShowOrHideCtrl(m_dialog, c.resId, false);
    return true;
}
