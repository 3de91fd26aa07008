#include "core/image_list_ctrl.h"

#include <algorithm>
#include <string>

#include "core/file_layer.h"
#include "win/bitmap.h"

namespace {

constexpr const char* kClassName = "KvImageList";
constexpr int kWheelStep = 40;    // pixels per notch
constexpr int kWheelDelta = 120;  // one notch
constexpr COLORREF kBackground = RGB(255, 255, 255);
constexpr COLORREF kFrame = RGB(160, 160, 160);
constexpr COLORREF kSelection = RGB(0, 120, 215);

bool registerClass() {
    WNDCLASS existing;
    if (::GetClassInfo(nullptr, kClassName, &existing)) return true;
    WNDCLASS wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProc;
    wc.lpszClassName = kClassName;
    return ::RegisterClass(&wc) != 0;
}

}  // namespace

CImageListCtrl::~CImageListCtrl() { freeThumbnails(); }

BOOL CImageListCtrl::replacePlaceholder(CWnd* parent, int id) {
    if (!parent || !registerClass()) return FALSE;
    HWND placeholder = ::GetDlgItem(parent->m_hWnd, id);
    if (!placeholder) return FALSE;
    RECT rect;
    ::GetWindowRect(placeholder, &rect);
    POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    ::ScreenToClient(parent->m_hWnd, &corners[0]);
    ::ScreenToClient(parent->m_hWnd, &corners[1]);
    HWND before = ::GetWindow(placeholder, GW_HWNDPREV);
    ::DestroyWindow(placeholder);
    const RECT place{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    if (!CreateEx(WS_EX_CLIENTEDGE, kClassName, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, place, parent,
                  static_cast<UINT>(id)))
        return FALSE;
    // Keep the placeholder's place in the tab order.
    ::SetWindowPos(m_hWnd, before ? before : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

void CImageListCtrl::SetThumbnailSize(int width, int height) {
    if (width > 0 && height > 0) data_.thumbnailSize = SIZE{width, height};
}

void CImageListCtrl::freeThumbnails() {
    for (Thumbnail& thumbnail : thumbnails_)
        if (thumbnail.bitmap) ::DeleteObject(thumbnail.bitmap);
    thumbnails_.clear();
}

void CImageListCtrl::DrawThumbnails() {
    const SIZE size = data_.thumbnailSize;
    const Kv_String selectedFile =
        selected_ >= 0 && selected_ < static_cast<int>(thumbnails_.size()) ? thumbnails_[selected_].file : Kv_String();
    // Pictures already scaled for this size are kept; a file is read only when new to the list
    // or when the cell size changed.
    std::vector<Thumbnail> kept;
    if (size.cx != scaledFor_.cx || size.cy != scaledFor_.cy) freeThumbnails();
    for (const Kv_String& file : data_.files) {
        auto same = std::find_if(thumbnails_.begin(), thumbnails_.end(),
                                 [&](const Thumbnail& t) { return t.file == file && !t.file.isEmpty(); });
        if (same != thumbnails_.end()) {
            kept.push_back(*same);
            same->bitmap = nullptr;  // moved
            same->file = Kv_String();
            continue;
        }
        Thumbnail thumbnail;
        thumbnail.file = file;
        std::string bytes;
        ++fileReads_;
        if (ObjectExportReadBytes(file, bytes)) {
            const win::LoadResult decoded =
                win::decodeImage(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
            if (decoded.ok && decoded.bitmap.width > 0 && decoded.bitmap.height > 0) {
                // Fitted into the cell keeping its proportions.
                const double scale = std::min(static_cast<double>(size.cx) / decoded.bitmap.width,
                                              static_cast<double>(size.cy) / decoded.bitmap.height);
                thumbnail.width = std::max(1, static_cast<int>(decoded.bitmap.width * scale));
                thumbnail.height = std::max(1, static_cast<int>(decoded.bitmap.height * scale));
                const win::Bitmap small = decoded.bitmap.scaled(thumbnail.width, thumbnail.height);
                thumbnail.bitmap = ::CreateBitmap(small.width, small.height, 1, 32, small.pixels.data());
            }
        }
        kept.push_back(thumbnail);
    }
    freeThumbnails();
    thumbnails_ = std::move(kept);
    scaledFor_ = size;
    // A list rebuilt by a filter must not leave another picture selected in the place of one
    // that left the list.
    selected_ = selectedFile.isEmpty() ? -1 : data_.files.find(selectedFile);
    clampScroll();
    if (m_hWnd) Invalidate();
}

Kv_String CImageListCtrl::selectedName() const {
    if (selected_ < 0 || selected_ >= data_.names.length()) return Kv_String();
    return data_.names[selected_];
}

int CImageListCtrl::columns() const {
    if (!m_hWnd) return 1;
    RECT client;
    GetClientRect(&client);
    return std::max(1, static_cast<int>((client.right - client.left) / cellWidth()));
}

int CImageListCtrl::contentHeight() const {
    const int count = static_cast<int>(thumbnails_.size());
    const int rows = (count + columns() - 1) / columns();
    return rows * cellHeight();
}

void CImageListCtrl::clampScroll() {
    RECT client{0, 0, 0, 0};
    if (m_hWnd) GetClientRect(&client);
    const int most = std::max(0, contentHeight() - static_cast<int>(client.bottom - client.top));
    scroll_ = std::clamp(scroll_, 0, most);
}

RECT CImageListCtrl::cellRect(int index) const {
    const int column = index % columns(), row = index / columns();
    const int left = column * cellWidth(), top = row * cellHeight() - scroll_;
    return RECT{left, top, left + cellWidth(), top + cellHeight()};
}

int CImageListCtrl::indexAt(CPoint point) const {
    for (int index = 0; index < static_cast<int>(thumbnails_.size()); ++index) {
        const RECT cell = cellRect(index);
        if (point.x >= cell.left && point.x < cell.right && point.y >= cell.top && point.y < cell.bottom) return index;
    }
    return -1;
}

void CImageListCtrl::OnPaint() {
    CPaintDC dc(this);
    RECT client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, kBackground);
    HBRUSH frame = ::CreateSolidBrush(kFrame);
    HBRUSH selection = ::CreateSolidBrush(kSelection);
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    for (int index = 0; index < static_cast<int>(thumbnails_.size()); ++index) {
        const RECT cell = cellRect(index);
        if (cell.bottom <= client.top || cell.top >= client.bottom) continue;
        const Thumbnail& thumbnail = thumbnails_[index];
        const RECT picture{cell.left + Margin, cell.top + Margin, cell.left + Margin + data_.thumbnailSize.cx,
                           cell.top + Margin + data_.thumbnailSize.cy};
        if (thumbnail.bitmap) {
            HGDIOBJ old = memory.SelectObject(thumbnail.bitmap);
            dc.BitBlt(picture.left + (data_.thumbnailSize.cx - thumbnail.width) / 2,
                      picture.top + (data_.thumbnailSize.cy - thumbnail.height) / 2, thumbnail.width, thumbnail.height,
                      &memory, 0, 0, SRCCOPY);
            memory.SelectObject(old);
        }
        RECT framed{picture.left - 1, picture.top - 1, picture.right + 1, picture.bottom + 1};
        ::FrameRect(dc, &framed, index == selected_ ? selection : frame);
        RECT label{cell.left + 1, picture.bottom + 2, cell.right - 1, picture.bottom + 2 + NameHeight - 2};
        const Kv_String name = index < data_.names.length() ? data_.names[index] : Kv_String();
        if (index == selected_) {
            dc.FillSolidRect(&label, kSelection);
            dc.SetTextColor(RGB(255, 255, 255));
        } else {
            dc.SetTextColor(RGB(0, 0, 0));
        }
        dc.SetBkMode(TRANSPARENT);
        dc.DrawText(name.str(), &label, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    }
    memory.DeleteDC();
    ::DeleteObject(frame);
    ::DeleteObject(selection);
}

void CImageListCtrl::OnLButtonDown(UINT, CPoint point) {
    SetFocus();
    const int index = indexAt(point);
    if (index == selected_) return;
    selected_ = index;
    Invalidate();
    notifyParent(ImageListSelChanged);
}

void CImageListCtrl::notifyParent(WORD code) {
    if (HWND parent = ::GetParent(m_hWnd))
        ::SendMessage(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID()), code),
                      reinterpret_cast<LPARAM>(m_hWnd));
}

void CImageListCtrl::OnLButtonDblClk(UINT flags, CPoint point) {
    OnLButtonDown(flags, point);
    if (selected_ < 0) return;
    notifyParent(ImageListDoubleClicked);
}

BOOL CImageListCtrl::OnMouseWheel(UINT, short delta, CPoint) {
    const int before = scroll_;
    scroll_ -= delta / kWheelDelta * kWheelStep;
    clampScroll();
    if (scroll_ != before) Invalidate();
    return TRUE;
}

void CImageListCtrl::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    clampScroll();
    Invalidate();
}
