#include "dialogs/dlg_dstv_point_edit.h"

#include <algorithm>
#include <string>

#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "dialogs/dstv_points_ids.h"
#include "frame/dialog_launcher.h"
#include "frame/text_entry_launcher.h"

namespace {

constexpr int kSideCount = 4;
constexpr int kPlateChoiceCount = 5;

// The controls that show a point; disabled while there is none.
constexpr int kPointControls[] = {IDC_DSTV_POINT_NAME,
                                  IDC_DSTV_POINT_BY_EXTENT,
                                  IDC_DSTV_POINT_SIDE1,
                                  IDC_DSTV_POINT_SIDE2,
                                  IDC_DSTV_POINT_BY_INTERSECTION,
                                  IDC_DSTV_POINT_START_DIR,
                                  IDC_DSTV_POINT_MIDDLE,
                                  IDC_DSTV_POINT_VIEW,
                                  IDC_DSTV_POINT_MARK,
                                  IDC_DSTV_POINT_SIDE_DISTANCE,
                                  IDC_DSTV_POINT_FULL_HOLE,
                                  IDC_DSTV_POINT_THICKNESS_BASED,
                                  IDC_DSTV_POINT_RADIUS,
                                  IDC_DSTV_POINT_RADIUS_LABEL};

Kv_StringArray sideNames() {
    Kv_StringArray names;
    for (int n = 10046; n <= 10049; ++n) names.append(string(n));
    return names;
}

Kv_StringArray plateChoices() {
    Kv_StringArray choices;
    choices.append(dialString(854));
    for (int n = 1; n <= 4; ++n) {
        Kv_String entry = append(string(10157), n);
        if (n == 3) entry += Kv_String(" (") + dialString(1496) + ")";
        choices.append(entry);
    }
    return choices;
}

// Which half of the side list a side lies in: sides 0 and 1 form one, 2 and 3 the other.
int halfOf(int side) { return side < 2 ? 0 : 1; }

}  // namespace

CDlgDSTVPointEdit::CDlgDSTVPointEdit(CWnd* parent) : CDialog(IDD_DSTV_POINT_EDIT, parent) {}

BOOL CDlgDSTVPointEdit::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(844).c_str());
    SetDlgItemText(IDC_DSTV_POINT_LIST_LABEL, dialString(845).c_str());
    SetDlgItemText(IDC_DSTV_POINT_FRAME, dialString(846).c_str());
    SetDlgItemText(IDC_DSTV_POINT_NAME_LABEL, dialString(221).c_str());
    SetDlgItemText(IDC_DSTV_POINT_BY_EXTENT, dialString(847).c_str());
    SetDlgItemText(IDC_DSTV_POINT_BY_INTERSECTION, dialString(848).c_str());
    SetDlgItemText(IDC_DSTV_POINT_MIDDLE, dialString(849).c_str());
    SetDlgItemText(IDC_DSTV_POINT_VIEW_LABEL, dialString(1689).c_str());
    SetDlgItemText(IDC_DSTV_POINT_MARK_LABEL, dialString(1690).c_str());
    SetDlgItemText(IDC_DSTV_POINT_SIDE_LABEL, dialString(851).c_str());
    SetDlgItemText(IDC_DSTV_POINT_DISTANCE_LABEL, dialString(20154).c_str());
    SetDlgItemText(IDC_DSTV_POINT_FULL_HOLE, dialString(852).c_str());
    SetDlgItemText(IDC_DSTV_POINT_THICKNESS_BASED, dialString(853).c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());
    addButton_.SubclassDlgItem(IDC_DSTV_POINT_ADD, this);
    addButton_.SetIcon(IDI_KV_ADD);
    addButton_.SetTooltipText(20152);
    deleteButton_.SubclassDlgItem(IDC_DSTV_POINT_DELETE, this);
    deleteButton_.SetIcon(IDI_KV_REMOVE);
    deleteButton_.SetTooltipText(20153);

    for (int id : {IDC_DSTV_POINT_SIDE1, IDC_DSTV_POINT_SIDE2, IDC_DSTV_POINT_START_DIR})
        FillCombo(this, id, sideNames());
    for (int id : {IDC_DSTV_POINT_VIEW, IDC_DSTV_POINT_MARK}) FillCombo(this, id, plateChoices());
    fillPointList();
    showPoint(0);
    return TRUE;
}

void CDlgDSTVPointEdit::fillPointList() {
    SendDlgItemMessage(IDC_DSTV_POINT_LIST, LB_RESETCONTENT);
    for (const Kv_DstvPointInfo& point : points)
        SendDlgItemMessage(IDC_DSTV_POINT_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(point.name().c_str()));
}

void CDlgDSTVPointEdit::showPoint(int index) {
    current_ = points.isValidIndex(index) ? index : -1;
    SendDlgItemMessage(IDC_DSTV_POINT_LIST, LB_SETCURSEL, static_cast<WPARAM>(current_));
    // A value outside its list selects nothing (CB_SETCURSEL of an index that is not there).
    auto select = [&](int id, int value) { SendDlgItemMessage(id, CB_SETCURSEL, static_cast<WPARAM>(value)); };
    auto check = [&](int id, bool on) { ::CheckDlgButton(m_hWnd, id, on ? BST_CHECKED : BST_UNCHECKED); };
    if (current_ < 0) {
        for (int id : {IDC_DSTV_POINT_NAME, IDC_DSTV_POINT_SIDE_DISTANCE, IDC_DSTV_POINT_RADIUS})
            SetDlgItemText(id, "");
        for (int id : {IDC_DSTV_POINT_SIDE1, IDC_DSTV_POINT_SIDE2, IDC_DSTV_POINT_START_DIR, IDC_DSTV_POINT_VIEW,
                       IDC_DSTV_POINT_MARK})
            select(id, -1);
        for (int id : {IDC_DSTV_POINT_BY_EXTENT, IDC_DSTV_POINT_BY_INTERSECTION, IDC_DSTV_POINT_MIDDLE,
                       IDC_DSTV_POINT_FULL_HOLE, IDC_DSTV_POINT_THICKNESS_BASED})
            check(id, false);
        applyEnablingRules();
        return;
    }
    const Kv_DstvPointInfo& point = points[current_];
    SetDlgItemText(IDC_DSTV_POINT_NAME, point.name().c_str());
    check(IDC_DSTV_POINT_BY_EXTENT, point.selectGeomExtent());
    select(IDC_DSTV_POINT_SIDE1, point.sideSelection1());
    select(IDC_DSTV_POINT_SIDE2, point.sideSelection2());
    check(IDC_DSTV_POINT_BY_INTERSECTION, point.selectIntersGeom());
    check(IDC_DSTV_POINT_MIDDLE, point.selectIntersMid());
    select(IDC_DSTV_POINT_START_DIR, point.intersStartDir());
    SetDlgItemText(IDC_DSTV_POINT_SIDE_DISTANCE, Kv_String(point.minPlateSideDist(), 3).c_str());
    SetDlgItemText(IDC_DSTV_POINT_RADIUS, Kv_String(point.drillRadius(), 3).c_str());
    select(IDC_DSTV_POINT_VIEW, point.viewPlateSelection());
    select(IDC_DSTV_POINT_MARK, point.markPlateSelection());
    check(IDC_DSTV_POINT_FULL_HOLE, point.drillFullHole());
    check(IDC_DSTV_POINT_THICKNESS_BASED, point.radiusThicknessBased());
    applyEnablingRules();
}

void CDlgDSTVPointEdit::commitPoint() {
    if (!points.isValidIndex(current_)) return;
    Kv_DstvPointInfo& point = points[current_];
    // A list showing nothing keeps the stored value (one outside the list stays as it was).
    auto selected = [&](int id, int stored) {
        const int index = static_cast<int>(SendDlgItemMessage(id, CB_GETCURSEL));
        return index >= 0 ? index : stored;
    };
    auto checked = [&](int id) { return ::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; };
    auto number = [&](int id) {
        std::string text;
        GetDlgItemText(id, text);
        return Kv_String(text).toDouble();
    };
    std::string name;
    GetDlgItemText(IDC_DSTV_POINT_NAME, name);
    point.setName(Kv_String(name));
    point.setSelectGeomExtent(
        checked(IDC_DSTV_POINT_BY_EXTENT),
        static_cast<TwDstvPointSideSelection>(selected(IDC_DSTV_POINT_SIDE1, point.sideSelection1())),
        static_cast<TwDstvPointSideSelection>(selected(IDC_DSTV_POINT_SIDE2, point.sideSelection2())));
    point.setSelectIntersGeom(
        checked(IDC_DSTV_POINT_BY_INTERSECTION), checked(IDC_DSTV_POINT_MIDDLE),
        static_cast<TwDstvPointSideSelection>(selected(IDC_DSTV_POINT_START_DIR, point.intersStartDir())));
    point.setPlateSelection(static_cast<std::int16_t>(selected(IDC_DSTV_POINT_VIEW, point.viewPlateSelection())),
                            static_cast<std::int16_t>(selected(IDC_DSTV_POINT_MARK, point.markPlateSelection())),
                            number(IDC_DSTV_POINT_SIDE_DISTANCE));
    point.setDrillFullHole(checked(IDC_DSTV_POINT_FULL_HOLE), checked(IDC_DSTV_POINT_THICKNESS_BASED),
                           number(IDC_DSTV_POINT_RADIUS));
}

void CDlgDSTVPointEdit::applyEnablingRules() {
    const bool shown = current_ >= 0;
    for (int id : kPointControls) EnDisCtrl(this, id, shown);
    const bool byExtent = ::IsDlgButtonChecked(m_hWnd, IDC_DSTV_POINT_BY_EXTENT) == BST_CHECKED;
    const bool byIntersection = ::IsDlgButtonChecked(m_hWnd, IDC_DSTV_POINT_BY_INTERSECTION) == BST_CHECKED;
    const bool fullHole = ::IsDlgButtonChecked(m_hWnd, IDC_DSTV_POINT_FULL_HOLE) == BST_CHECKED;
    const bool thicknessBased = ::IsDlgButtonChecked(m_hWnd, IDC_DSTV_POINT_THICKNESS_BASED) == BST_CHECKED;
    SetDlgItemText(IDC_DSTV_POINT_RADIUS_LABEL, dialString(thicknessBased ? 859 : 860).c_str());
    if (!shown) return;
    EnDisCtrl(this, IDC_DSTV_POINT_SIDE1, byExtent);
    EnDisCtrl(this, IDC_DSTV_POINT_SIDE2, byExtent);
    EnDisCtrl(this, IDC_DSTV_POINT_START_DIR, !byExtent);
    EnDisCtrl(this, IDC_DSTV_POINT_MIDDLE, !byExtent);
    EnDisCtrl(this, IDC_DSTV_POINT_RADIUS, fullHole);
    EnDisCtrl(this, IDC_DSTV_POINT_RADIUS_LABEL, fullHole);
    EnDisCtrl(this, IDC_DSTV_POINT_THICKNESS_BASED, fullHole && byIntersection);
}

void CDlgDSTVPointEdit::keepSidesApart(int changedId) {
    const int otherId = changedId == IDC_DSTV_POINT_SIDE1 ? IDC_DSTV_POINT_SIDE2 : IDC_DSTV_POINT_SIDE1;
    const int changed = static_cast<int>(SendDlgItemMessage(changedId, CB_GETCURSEL));
    const int other = static_cast<int>(SendDlgItemMessage(otherId, CB_GETCURSEL));
    if (changed < 0 || other < 0 || halfOf(changed) != halfOf(other)) return;
    SendDlgItemMessage(otherId, CB_SETCURSEL, static_cast<WPARAM>(halfOf(other) == 0 ? kDstvSideTop : kDstvSideFront));
}

void CDlgDSTVPointEdit::addPoint() {
    commitPoint();
    frame::TextEntryRequest request;
    request.title = dialString(87);
    request.prompt = dialString(855);
    request.text = dialString(171);
    request.okText = dialString(1);
    request.cancelText = dialString(2);
    request.parent = this;
    if (!frame::askForText(request)) return;
    const int at = current_ >= 0 ? current_ : 0;
    points.insertAt(at, Kv_DstvPointInfo(request.text));
    fillPointList();
    showPoint(at);
}

void CDlgDSTVPointEdit::deletePoint() {
    if (current_ < 0) return;
    commitPoint();
    points.removeAt(current_);
    fillPointList();
    showPoint(std::min(current_, points.length() - 1));
}

void CDlgDSTVPointEdit::OnOK() {
    commitPoint();
    EndDialog(IDOK);
}

BOOL CDlgDSTVPointEdit::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    switch (id) {
    case IDC_DSTV_POINT_LIST:
        if (code != LBN_SELCHANGE) break;
        commitPoint();
        {
            const int chosen = static_cast<int>(SendDlgItemMessage(IDC_DSTV_POINT_LIST, LB_GETCURSEL));
            fillPointList();  // a renamed point shows its new name
            showPoint(chosen);
        }
        return TRUE;
    case IDC_DSTV_POINT_SIDE1:
    case IDC_DSTV_POINT_SIDE2:
        if (code != CBN_SELCHANGE) break;
        keepSidesApart(id);
        return TRUE;
    case IDC_DSTV_POINT_BY_EXTENT:
    case IDC_DSTV_POINT_BY_INTERSECTION:
    case IDC_DSTV_POINT_FULL_HOLE:
    case IDC_DSTV_POINT_THICKNESS_BASED:
        if (code != BN_CLICKED) break;
        applyEnablingRules();
        return TRUE;
    case IDC_DSTV_POINT_ADD:
        if (code != BN_CLICKED) break;
        addPoint();
        return TRUE;
    case IDC_DSTV_POINT_DELETE:
        if (code != BN_CLICKED) break;
        deletePoint();
        return TRUE;
    default: break;
    }
    return CDialog::OnCommand(wParam, lParam);
}

bool editDstvPoints(Kv_DstvPointArray& points, CWnd* parent) {
    // Run from the group dialog, which holds whatever resource order its launcher chose.
    return frame::launchModalDialog<CDlgDSTVPointEdit>(
        frame::LaunchRules{frame::ResourceScope::CallerProvides},
        [&](CDlgDSTVPointEdit& dialog) { dialog.points = points; },
        [&](CDlgDSTVPointEdit& dialog) { points = dialog.points; }, frame::NothingAfterRun{}, parent);
}
