#include "core/bitmap_picker_combo.h"

#include <algorithm>
#include <string>

#include "core/file_layer.h"
#include "win/bitmap.h"

namespace {

constexpr int kGap = 4;  // around the picture and between picture and text

}  // namespace

CBitmapPickerCombo::~CBitmapPickerCombo() {
    for (Picture& picture : pictures_)
        if (picture.bitmap) ::DeleteObject(picture.bitmap);
}

int CBitmapPickerCombo::AddAllImages(const Kv_StringArray& files, const Kv_StringArray& texts) {
    int pictures = 0;
    for (int i = 0; i < files.length(); ++i) {
        const int index = AddBitmap(files[i], i < texts.length() ? texts[i] : Kv_String());
        if (index >= 0 && hasPicture(index)) ++pictures;
    }
    return pictures;
}

int CBitmapPickerCombo::AddBitmap(const Kv_String& file, const Kv_String& text) {
    if (!m_hWnd) return CB_ERR;
    Picture picture;
    std::string bytes;
    if (!file.isEmpty() && ObjectExportReadBytes(file, bytes)) {
        const win::LoadResult decoded = win::decodeImage(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        if (decoded.ok && decoded.bitmap.width > 0 && decoded.bitmap.height > 0) {
            const double scale = std::min({1.0, static_cast<double>(MaxPictureSize.cx) / decoded.bitmap.width,
                                           static_cast<double>(MaxPictureSize.cy) / decoded.bitmap.height});
            picture.width = std::max(1, static_cast<int>(decoded.bitmap.width * scale));
            picture.height = std::max(1, static_cast<int>(decoded.bitmap.height * scale));
            const win::Bitmap fitted = decoded.bitmap.scaled(picture.width, picture.height);
            picture.bitmap = ::CreateBitmap(fitted.width, fitted.height, 1, 32, fitted.pixels.data());
        }
    }
    const int index = AddString(text.c_str());
    if (index < 0) {
        if (picture.bitmap) ::DeleteObject(picture.bitmap);
        return CB_ERR;
    }
    pictures_.insert(pictures_.begin() + std::min<size_t>(static_cast<size_t>(index), pictures_.size()), picture);
    fitItemHeight();
    return index;
}

void CBitmapPickerCombo::ResetContent() {
    CComboBox::ResetContent();
    for (Picture& picture : pictures_)
        if (picture.bitmap) ::DeleteObject(picture.bitmap);
    pictures_.clear();
}

bool CBitmapPickerCombo::hasPicture(int index) const {
    return index >= 0 && index < static_cast<int>(pictures_.size()) && pictures_[static_cast<size_t>(index)].bitmap;
}

void CBitmapPickerCombo::fitItemHeight() {
    int height = 0;
    for (const Picture& picture : pictures_) height = std::max(height, picture.height);
    // The window system's entry height follows the font: the least an entry needs for its text.
    if (textHeight_ == 0) textHeight_ = std::max(1, GetItemHeight(0));
    height = std::max(height + 2 * kGap, textHeight_);
    SendMessage(CB_SETITEMHEIGHT, 0, height);
    SendMessage(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height);
}

BOOL CBitmapPickerCombo::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
    if (message != WM_DRAWITEM || !lParam) return FALSE;
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    if (result) *result = TRUE;
    return TRUE;
}

void CBitmapPickerCombo::DrawItem(const DRAWITEMSTRUCT& item) {
    CDC* dc = CDC::FromHandle(item.hDC);
    RECT place = item.rcItem;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    dc->FillSolidRect(&place, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int index = static_cast<int>(item.itemID);
    if (index < 0 || index >= GetCount()) return;
    int textLeft = place.left + kGap;
    int widest = 0;
    for (const Picture& picture : pictures_) widest = std::max(widest, picture.width);
    if (hasPicture(index)) {
        const Picture& picture = pictures_[static_cast<size_t>(index)];
        CDC memory;
        memory.CreateCompatibleDC(dc);
        HGDIOBJ old = memory.SelectObject(picture.bitmap);
        dc->BitBlt(textLeft + (widest - picture.width) / 2, place.top + (place.bottom - place.top - picture.height) / 2,
                   picture.width, picture.height, &memory, 0, 0, SRCCOPY);
        memory.SelectObject(old);
        memory.DeleteDC();
    }
    if (widest > 0) textLeft += widest + kGap;
    std::string text;
    GetLBText(index, text);
    RECT textPlace{textLeft, place.top, place.right - kGap, place.bottom};
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(::GetSysColor(disabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    dc->DrawText(text, &textPlace, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    if (item.itemState & ODS_FOCUS) dc->DrawFocusRect(&place);
}
