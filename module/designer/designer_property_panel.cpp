// The designer's property panel: the type, contents and extra texts of the one selected
// control, shown in five controls of the designer dialog and taken back when they change.
#include <string>

#include "designer/kv_designer_tracker.h"
#include "designer/kv_dlg_designer_data.h"
#include "designer/kv_drawn_control.h"
#include "win/winuser.h"

namespace {

void setPanelText(HWND dialog, int id, const Kv_String& text, bool enable) {
    HWND window = GetDlgItem(dialog, id);
    if (window == nullptr) return;
    SetWindowText(window, text.c_str());
    EnableWindow(window, enable ? TRUE : FALSE);
}

Kv_String panelText(HWND dialog, int id) {
    HWND window = GetDlgItem(dialog, id);
    if (window == nullptr) return {};
    std::string text(static_cast<size_t>(GetWindowTextLength(window)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowText(window, text.data(), static_cast<int>(text.size()))));
    return Kv_String(std::move(text));
}

// Notifications of the panel's own filling must not be taken for the user's edits.
class PanelFilling {
public:
    explicit PanelFilling(bool& flag) : m_flag(flag), m_was(flag) { m_flag = true; }
    ~PanelFilling() { m_flag = m_was; }
    PanelFilling(const PanelFilling&) = delete;
    PanelFilling& operator=(const PanelFilling&) = delete;

private:
    bool& m_flag;
    bool m_was;
};

}  // namespace

void Kv_DlgDesignerData::updatePropsOfCurSel() {
    if (!m_designMode || m_dialog == nullptr || !IsWindow(m_dialog)) return;
    PanelFilling filling(m_updatingProps);
    const Kv_DesignerPanelIds& ids = m_panelIds;
    const Kv_Array<int> selected = getSelectedIds();
    const int index = getCurSel();
    HWND typeList = GetDlgItem(m_dialog, ids.typeList);
    if (index < 0) {
        if (typeList != nullptr) {
            SendMessage(typeList, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
            EnableWindow(typeList, FALSE);
        }
        setPanelText(m_dialog, ids.contentsCaption, {}, false);
        setPanelText(m_dialog, ids.contentsField, {}, false);
        setPanelText(m_dialog, ids.listCaption, {}, false);
        setPanelText(m_dialog, ids.listField, {}, false);
        return;
    }
    const Kv_DesignerControl& control = m_controls[index];
    if (typeList != nullptr) {
        // A number outside the known types selects nothing rather than a wrong type.
        const int shown = isValidControlType(control.type) ? static_cast<int>(control.type) : -1;
        SendMessage(typeList, CB_SETCURSEL, static_cast<WPARAM>(shown), 0);
        EnableWindow(typeList, TRUE);
    }
    setPanelText(m_dialog, ids.contentsCaption, contentsLabelOf(control.type), true);
    setPanelText(m_dialog, ids.contentsField, control.contents, true);
    const bool hasExtraTexts = typeHasEditableExtraTexts(control.type);
    setPanelText(m_dialog, ids.listCaption, hasExtraTexts ? extraTextsLabelOf(control.type) : Kv_String(),
                 hasExtraTexts);
    setPanelText(m_dialog, ids.listField, hasExtraTexts ? control.getMergedExtComboList() : Kv_String(), hasExtraTexts);
    selectControls(selected);
}

void Kv_DlgDesignerData::propsOfCurSelUpdated() {
    if (m_updatingProps || !m_designMode || m_dialog == nullptr) return;
    const int index = getCurSel();
    if (index < 0) return;
    Kv_DesignerControl& control = m_controls[index];
    const int id = control.resId;

    const Kv_ControlType oldType = control.type;
    HWND typeList = GetDlgItem(m_dialog, m_panelIds.typeList);
    const int chosen = typeList != nullptr ? static_cast<int>(SendMessage(typeList, CB_GETCURSEL, 0, 0)) : -1;
    if (isValidControlType(chosen)) control.type = static_cast<Kv_ControlType>(chosen);

    const Kv_String contents = panelText(m_dialog, m_panelIds.contentsField);
    const bool contentsChanged = !contents.equal(control.contents);
    control.contents = contents;
    // The extra texts split by the type they now belong to.
    control.setSplitExtComboList(panelText(m_dialog, m_panelIds.listField));

    if (contentsChanged) {
        if (const Kv_DrawnControl* drawn = drawnOfId(id)) {
            SetWindowText(drawn->window(), contents.c_str());
            InvalidateRect(drawn->window(), nullptr, TRUE);
        }
    }
    if (control.type != oldType) {
        updateRectsFromWindows();
        redrawAllControls();
        selectControls(Kv_Array<int>{id});
    }
}
