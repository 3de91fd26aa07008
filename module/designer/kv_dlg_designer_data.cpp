// The template's lifetime, its list of controls with their ids and tab order, and the
// conversion between the stored fractions and pixels.
#include "designer/kv_dlg_designer_data.h"

#include <cmath>
#include <set>

#include "designer/kv_designer_tracker.h"
#include "designer/kv_drawn_control.h"
#include "win/draw.h"
#include "win/wingdi.h"
#include "win/winuser.h"

Kv_DlgDesignerData::Kv_DlgDesignerData() = default;

Kv_DlgDesignerData::~Kv_DlgDesignerData() {
    if (m_tracker) m_tracker->forgetAll();
    m_drawn.clear();  // destroys the windows
    if (m_buttonIcon != nullptr) DestroyIcon(m_buttonIcon);
    releasePicture();
}

// A copy takes the layout only.  The drawn windows, the tracker and the icon belong to the
// dialog of the source; sharing them would leave two owners destroying the same windows.
Kv_DlgDesignerData::Kv_DlgDesignerData(const Kv_DlgDesignerData& other) { copyLayoutFrom(other); }

Kv_DlgDesignerData& Kv_DlgDesignerData::operator=(const Kv_DlgDesignerData& other) {
    if (this != &other) copyLayoutFrom(other);
    return *this;
}

void Kv_DlgDesignerData::copyLayoutFrom(const Kv_DlgDesignerData& other) {
    // This template's own windows were drawn from controls that are about to be replaced.
    if (m_tracker) m_tracker->forgetAll();
    m_drawn.clear();
    m_name = other.m_name;
    m_controls = other.m_controls;
    m_firstDynId = other.m_firstDynId;
    m_lastDynId = other.m_lastDynId;
    releasePicture();
    if (auto pixels = win::bitmapOf(other.m_picture)) m_picture = win::createBitmapHandle(*pixels);
    if (auto pixels = win::bitmapOf(other.m_pictureMask)) m_pictureMask = win::createBitmapHandle(*pixels);
    m_pictureWidth = other.m_pictureWidth;
    m_pictureHeight = other.m_pictureHeight;
}

void Kv_DlgDesignerData::releasePicture() {
    if (m_picture != nullptr) DeleteObject(m_picture);
    if (m_pictureMask != nullptr) DeleteObject(m_pictureMask);
    m_picture = nullptr;
    m_pictureMask = nullptr;
    m_pictureWidth = 0;
    m_pictureHeight = 0;
}

// ---- Controls and ids ------------------------------------------------------------------------

const Kv_DesignerControl* Kv_DlgDesignerData::getControl(int index) const {
    return m_controls.isValidIndex(index) ? &m_controls[index] : nullptr;
}

Kv_DesignerControl* Kv_DlgDesignerData::getControlWrite(int index) {
    return m_controls.isValidIndex(index) ? &m_controls[index] : nullptr;
}

const Kv_DesignerControl* Kv_DlgDesignerData::getControlFromRes(int resourceId) const {
    int index = -1;
    return findCtrlFromResource(resourceId, index) ? &m_controls[index] : nullptr;
}

bool Kv_DlgDesignerData::findCtrlFromResource(int resourceId, int& index) const {
    if (resourceId < 1) return false;
    for (int i = 0; i < m_controls.length(); ++i) {
        if (m_controls[i].resId == resourceId) {
            index = i;
            return true;
        }
    }
    return false;
}

void Kv_DlgDesignerData::setDynamicIdRange(int firstId, int lastId) {
    m_firstDynId = firstId;
    m_lastDynId = lastId;
}

int Kv_DlgDesignerData::nextFreeId() const {
    std::set<int> taken;
    for (const Kv_DesignerControl& control : m_controls) taken.insert(control.resId);
    if (m_firstDynId < 1) return 0;
    for (int id = m_firstDynId; id <= m_lastDynId; ++id)
        if (taken.count(id) == 0) return id;
    return 0;
}

int Kv_DlgDesignerData::append(const Kv_DesignerControl& control) {
    Kv_DesignerControl added(control);
    added.resId = nextFreeId();
    m_controls.append(added);
    return added.resId;
}

void Kv_DlgDesignerData::removeControl(int index) {
    if (m_controls.isValidIndex(index)) m_controls.removeAt(index);
}

// Row by row: the candidate nearest the top opens a row, and every candidate that starts no
// lower than that control's bottom edge joins it; the row is then numbered left to right.
void Kv_DlgDesignerData::sortAllControls() {
    std::vector<int> candidates;
    for (int i = 0; i < m_controls.length(); ++i) {
        const Kv_DesignerControl& c = m_controls[i];
        if (!c.disabled && c.type != kCtrlLabel && c.type != kCtrlGroupBox) candidates.push_back(i);
    }
    int nextOrder = 1;
    while (!candidates.empty()) {
        int first = candidates.front();
        double best = 100.0;
        for (int i : candidates) {
            if (m_controls[i].topLeftY < best) {
                best = m_controls[i].topLeftY;
                first = i;
            }
        }
        const double rowBottom = m_controls[first].bottomRightY;
        Kv_Array<double> lefts;
        Kv_Array<int> row;
        std::vector<int> rest;
        for (int i : candidates) {
            // A NaN top never compares as inside a row; it closes the walk as a row of its own.
            if (m_controls[i].topLeftY <= rowBottom || i == first) {
                lefts.append(m_controls[i].topLeftX);
                row.append(i);
            } else {
                rest.push_back(i);
            }
        }
        ObjectExportSort(lefts, row);
        for (int i : row) m_controls[i].tabOrder = nextOrder++;
        candidates.swap(rest);
    }
}

// ---- Geometry ---------------------------------------------------------------------------------

double Kv_DlgDesignerData::factorToPixels(bool horizontal, double value) const {
    return value * (horizontal ? m_pictureWidth : m_pictureHeight);
}

double Kv_DlgDesignerData::pixelsToFactor(bool horizontal, double value) const {
    const int size = horizontal ? m_pictureWidth : m_pictureHeight;
    return size > 0 ? value / size : 0.0;
}

double Kv_DlgDesignerData::getTopLeftX(const Kv_DesignerControl& c) const { return factorToPixels(true, c.topLeftX); }
double Kv_DlgDesignerData::getTopLeftY(const Kv_DesignerControl& c) const { return factorToPixels(false, c.topLeftY); }
double Kv_DlgDesignerData::getBottomRightX(const Kv_DesignerControl& c) const {
    return factorToPixels(true, c.bottomRightX);
}
double Kv_DlgDesignerData::getBottomRightY(const Kv_DesignerControl& c) const {
    return factorToPixels(false, c.bottomRightY);
}
void Kv_DlgDesignerData::setTopLeftX(Kv_DesignerControl& c, double pixels) const {
    c.topLeftX = pixelsToFactor(true, pixels);
}
void Kv_DlgDesignerData::setTopLeftY(Kv_DesignerControl& c, double pixels) const {
    c.topLeftY = pixelsToFactor(false, pixels);
}
void Kv_DlgDesignerData::setBottomRightX(Kv_DesignerControl& c, double pixels) const {
    c.bottomRightX = pixelsToFactor(true, pixels);
}
void Kv_DlgDesignerData::setBottomRightY(Kv_DesignerControl& c, double pixels) const {
    c.bottomRightY = pixelsToFactor(false, pixels);
}
double Kv_DlgDesignerData::getWidth(const Kv_DesignerControl& c) const { return getBottomRightX(c) - getTopLeftX(c); }
double Kv_DlgDesignerData::getHeight(const Kv_DesignerControl& c) const { return getBottomRightY(c) - getTopLeftY(c); }
void Kv_DlgDesignerData::setWidth(Kv_DesignerControl& c, double pixels) const {
    setBottomRightX(c, getTopLeftX(c) + pixels);
}
void Kv_DlgDesignerData::setHeight(Kv_DesignerControl& c, double pixels) const {
    setTopLeftY(c, getBottomRightY(c) - pixels);
}

namespace {
// Nearest whole pixel, halves away from zero.  A damaged file may hold huge or NaN fractions;
// they are kept in the template but never turned into an out-of-range window coordinate.
LONG toPixel(double value) {
    constexpr double kLimit = 1.0e6;
    if (std::isnan(value)) return 0;
    if (value > kLimit) value = kLimit;
    if (value < -kLimit) value = -kLimit;
    return static_cast<LONG>(std::lround(value));
}
}  // namespace

RECT Kv_DlgDesignerData::getPixelRect(const Kv_DesignerControl& c) const {
    return RECT{toPixel(getTopLeftX(c)), toPixel(getTopLeftY(c)), toPixel(getBottomRightX(c)),
                toPixel(getBottomRightY(c))};
}

void Kv_DlgDesignerData::getImageSize(int& width, int& height) const {
    width = m_initialised ? m_pictureWidth : 0;
    height = m_initialised ? m_pictureHeight : 0;
}
