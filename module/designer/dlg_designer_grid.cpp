// CDlgDesigner: snapping to a grid.  The grid is counted in picture pixels; a mouse move ends
// with the selection's box on the nearest grid point (sizes kept), a handle resize with the
// dragged edges on the nearest grid lines.  The editing buttons stay exact.  The check box and
// the step are remembered in the registry under the designer's own name.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "designer/designer_ids.h"
#include "designer/dlg_designer.h"
#include "win/registry.h"
#include "win/wingdi.h"

namespace {

constexpr const char* kGridKey = "Software\\Karvel\\DLG_DLGDESIGNER";
constexpr const char* kGridValue = "grid";
constexpr int kLargestStep = 1000;

double snapped(double pixels, int step) { return std::round(pixels / step) * step; }

struct Edges {
    double left, top, right, bottom;
};

}  // namespace

void CDlgDesigner::loadGridSettings() {
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, kGridKey, 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
        char buffer[64] = {};
        DWORD type = 0, size = sizeof buffer - 1;
        if (RegQueryValueEx(key, kGridValue, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS &&
            type == REG_SZ) {
            int on = 0, step = 0;
            if (std::sscanf(buffer, "%d %d", &on, &step) == 2 && step >= 1 && step <= kLargestStep) {
                m_snap = on != 0;
                m_gridStep = step;
            }
        }
        RegCloseKey(key);
    }
    m_loadingGrid = true;
    CheckDlgButton(IDC_DESIGNER_SNAP, m_snap ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(IDC_DESIGNER_GRID_STEP, Kv_String(m_gridStep).c_str());
    m_loadingGrid = false;
}

void CDlgDesigner::saveGridSettings() const {
    char text[32];
    std::snprintf(text, sizeof text, "%d %d", m_snap ? 1 : 0, m_gridStep);
    HKEY key = nullptr;
    if (RegCreateKeyEx(HKEY_CURRENT_USER, kGridKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &key,
                       nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueEx(key, kGridValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                  static_cast<DWORD>(std::strlen(text) + 1));
    RegCloseKey(key);
}

void CDlgDesigner::onGridChanged() {
    if (m_loadingGrid) return;
    m_snap = IsDlgButtonChecked(IDC_DESIGNER_SNAP) == BST_CHECKED;
    char buffer[32] = {};
    GetDlgItemText(IDC_DESIGNER_GRID_STEP, buffer, sizeof buffer);
    const int step = Kv_String(buffer).toInt();
    // A step being typed ("", "0") keeps the last usable one.
    if (step >= 1 && step <= kLargestStep) m_gridStep = step;
    saveGridSettings();
    Invalidate();
}

bool CDlgDesigner::gridActive() const {
    int width = 0, height = 0;
    m_data.getImageSize(width, height);
    return m_snap && m_gridStep >= 1 && width > 0 && height > 0;
}

void CDlgDesigner::snapToGrid(const Kv_DesignerLayout& before) {
    if (!gridActive()) return;
    Kv_DesignerLayout after = m_data.takeLayout();
    if (after.controls.length() != before.controls.length()) return;
    auto edgesOf = [this](const Kv_DesignerControl& c) {
        return Edges{m_data.getTopLeftX(c), m_data.getTopLeftY(c), m_data.getBottomRightX(c),
                     m_data.getBottomRightY(c)};
    };
    std::vector<int> moved;
    bool sizesKept = true;
    for (int i = 0; i < after.controls.length(); ++i) {
        const Edges was = edgesOf(before.controls[i]);
        const Edges now = edgesOf(after.controls[i]);
        if (was.left == now.left && was.top == now.top && was.right == now.right && was.bottom == now.bottom) continue;
        moved.push_back(i);
        if (std::abs((now.right - now.left) - (was.right - was.left)) > 0.5 ||
            std::abs((now.bottom - now.top) - (was.bottom - was.top)) > 0.5)
            sizesKept = false;
    }
    if (moved.empty()) return;
    if (sizesKept) {
        double left = edgesOf(after.controls[moved[0]]).left, top = edgesOf(after.controls[moved[0]]).top;
        for (int i : moved) {
            left = std::min(left, edgesOf(after.controls[i]).left);
            top = std::min(top, edgesOf(after.controls[i]).top);
        }
        const double dx = snapped(left, m_gridStep) - left;
        const double dy = snapped(top, m_gridStep) - top;
        for (int i : moved) {
            Kv_DesignerControl& c = after.controls[i];
            const Edges e = edgesOf(c);
            m_data.setTopLeftX(c, e.left + dx);
            m_data.setTopLeftY(c, e.top + dy);
            m_data.setBottomRightX(c, e.right + dx);
            m_data.setBottomRightY(c, e.bottom + dy);
        }
    } else if (moved.size() == 1) {
        Kv_DesignerControl& c = after.controls[moved[0]];
        const Edges was = edgesOf(before.controls[moved[0]]);
        const Edges e = edgesOf(c);
        if (e.left != was.left) m_data.setTopLeftX(c, snapped(e.left, m_gridStep));
        if (e.top != was.top) m_data.setTopLeftY(c, snapped(e.top, m_gridStep));
        if (e.right != was.right) m_data.setBottomRightX(c, snapped(e.right, m_gridStep));
        if (e.bottom != was.bottom) m_data.setBottomRightY(c, snapped(e.bottom, m_gridStep));
    }
    m_data.restoreLayout(after);
}

void CDlgDesigner::paintGrid(HDC dc) const {
    if (!gridActive()) return;
    int width = 0, height = 0;
    m_data.getImageSize(width, height);
    for (int y = 0; y <= height; y += m_gridStep)
        for (int x = 0; x <= width; x += m_gridStep) SetPixel(dc, x, y, RGB(64, 64, 64));
}
