#include "constraints/filter_kind.h"

#include <cstdlib>

#include "core/dialog_helpers.h"

namespace {

Kv_String windowText(HWND window) {
    const int length = ::GetWindowTextLength(window);
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    ::GetWindowText(window, text.data(), length + 1);
    return Kv_String(text.c_str());
}

}  // namespace

void FilterKind::init(CWnd& page) {
    page_ = &page;
    HWND list = ::GetDlgItem(page.m_hWnd, ids_.list);
    ::SendMessage(list, LB_SETCHECKSTYLE, BS_AUTOCHECKBOX, 0);
    ::SendMessage(list, LB_RESETCONTENT, 0, 0);
    const Kv_StringArray& entries = names();
    marks_.assign(static_cast<size_t>(entries.length()), 0);
    for (int i = 0; i < entries.length(); ++i) {
        ::SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entries[i].c_str()));
        setMark(i, flags().isValidIndex(i) && flags().items()[static_cast<size_t>(i)]);
    }
    const bool any = entries.length() > 0;
    for (int id : {ids_.list, ids_.enable, ids_.group}) EnDisCtrl(page.m_hWnd, id, any);
    if (!any) {
        enableDetails(false);
        return;
    }
    select(0);
}

void FilterKind::setMark(int i, bool on) {
    ::SendMessage(::GetDlgItem(page_->m_hWnd, ids_.list), LB_SETCHECK, static_cast<WPARAM>(i), on ? 1 : 0);
    if (i >= 0 && i < static_cast<int>(marks_.size())) marks_[static_cast<size_t>(i)] = on ? 1 : 0;
}

bool FilterKind::boxChecked() const { return page_->IsDlgButtonChecked(ids_.enable) == BST_CHECKED; }

void FilterKind::select(int i) {
    selected_ = i;
    ::SendMessage(::GetDlgItem(page_->m_hWnd, ids_.list), LB_SETCURSEL, static_cast<WPARAM>(i), 0);
    show(i);
}

void FilterKind::show(int i) {
    if (!page_ || i < 0 || i >= names().length()) return;
    const bool on = flags().isValidIndex(i) && flags().items()[static_cast<size_t>(i)];
    page_->CheckDlgButton(ids_.enable, on ? BST_CHECKED : BST_UNCHECKED);
    shownText_.clear();
    showDetails(i);
    enableDetails(on);
}

void FilterKind::storeSelected() {
    const int i = selected_;
    if (!page_ || !page_->m_hWnd || i < 0 || i >= names().length()) return;
    growToNames(flags(), false);
    const bool on = boxChecked();
    flags().items()[static_cast<size_t>(i)] = on;
    setMark(i, on);
    storeDetails(i);
}

bool FilterKind::onCommand(int id, int code) {
    if (id == ids_.list) {
        if (code == CLBN_CHKCHANGE)
            onMarkClicked();
        else if (code == LBN_SELCHANGE) {
            const int now = static_cast<int>(::SendMessage(::GetDlgItem(page_->m_hWnd, ids_.list), LB_GETCURSEL, 0, 0));
            if (now != selected_ && now >= 0 && now < names().length()) {
                storeSelected();
                selected_ = now;
                show(now);
            }
        }
        return true;
    }
    if (id == ids_.enable && code == BN_CLICKED) {
        onEnableClicked();
        return true;
    }
    return false;
}

// The list toggles a mark before it reports: the entry is the one whose mark differs from the
// marks the page set.  It becomes the selected entry, its flag and box taking the new mark.
void FilterKind::onMarkClicked() {
    HWND list = ::GetDlgItem(page_->m_hWnd, ids_.list);
    for (int j = 0; j < static_cast<int>(marks_.size()); ++j) {
        const int mark = static_cast<int>(::SendMessage(list, LB_GETCHECK, static_cast<WPARAM>(j), 0)) ? 1 : 0;
        if (mark == marks_[static_cast<size_t>(j)]) continue;
        storeSelected();
        growToNames(flags(), false);
        flags().items()[static_cast<size_t>(j)] = mark != 0;
        setMark(j, mark != 0);
        if (j == selected_) {
            page_->CheckDlgButton(ids_.enable, mark ? BST_CHECKED : BST_UNCHECKED);
            enableDetails(mark != 0);
        } else {
            select(j);
        }
        return;
    }
}

void FilterKind::onEnableClicked() {
    storeSelected();
    enableDetails(boxChecked());
}

void FilterKind::enableDetails(bool enable) {
    for (int id : detailIds_) EnDisCtrl(page_->m_hWnd, id, enable);
}

void FilterKind::showNumber(int editId, const Kv_Array<double>& values, int i) {
    const Kv_String text(values.isValidIndex(i) ? values[i] : 0.0, 2);
    page_->SetDlgItemText(editId, text.c_str());
    shownText_[editId] = text;
}

void FilterKind::storeNumber(int editId, Kv_Array<double>& values, int i) {
    growToNames(values, 0.0);
    if (!values.isValidIndex(i)) return;
    const Kv_String text = windowText(::GetDlgItem(page_->m_hWnd, editId));
    auto shown = shownText_.find(editId);
    if (shown != shownText_.end() && shown->second == text) return;
    values[i] = std::atof(text.c_str());
    shownText_[editId] = text;
}
