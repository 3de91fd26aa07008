#pragma once
// CBitmapPickerCombo: a drop-down list whose entries show a picture with a text beside it (the
// cut types of the macro cut dialog).  The combo box is owner-drawn; the window system asks its
// parent to draw each entry, and the class layer hands that request back to this object.
//
// Dialogs attach it to a template combo box created with CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED
// | CBS_HASSTRINGS (SubclassDlgItem).  Pictures are read once, when added, and kept fitted into
// MaxPictureSize, so painting never reads a file.  A file that cannot be read or decoded gives
// an entry with its text only.  Entries are as high as the tallest picture (at least a text
// line), the closed field too.

#include <vector>

#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "win/afxwin.h"

class CBitmapPickerCombo : public CComboBox {
public:
    static constexpr SIZE MaxPictureSize{64, 40};

    CBitmapPickerCombo() = default;
    ~CBitmapPickerCombo() override;

    // Appends one entry per file, texts parallel to files (a missing text is empty); returns
    // how many pictures could be read.
    int AddAllImages(const Kv_StringArray& files, const Kv_StringArray& texts);
    // Appends one entry; the picture may be null.  Returns the entry's index or CB_ERR.
    int AddBitmap(const Kv_String& file, const Kv_String& text);
    void ResetContent();

    // Whether entry index has a picture (for tests and renderers).
    bool hasPicture(int index) const;

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void DrawItem(const DRAWITEMSTRUCT& item);

private:
    struct Picture {
        HBITMAP bitmap = nullptr;
        int width = 0, height = 0;
    };
    void fitItemHeight();

    std::vector<Picture> pictures_;  // parallel to the entries
    int textHeight_ = 0;
};
