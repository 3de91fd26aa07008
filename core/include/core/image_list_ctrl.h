#pragma once
// CImageListCtrl: a list of pictures shown as thumbnails with a name below each, in rows that
// reflow with the control's width, scrolled vertically with the wheel.  A click selects a
// thumbnail and tells the parent (WM_COMMAND with ImageListSelChanged) when the selection
// changed; a double click selects it and tells the parent (ImageListDoubleClicked).  When the
// list of files changes, the selection stays with its file, or is cleared when the file left
// the list.  Each file is read once, when the thumbnails are drawn, and kept
// scaled to the cell, so painting and scrolling never read a file.  A file that cannot be read
// or decoded shows an empty framed cell.
//
// Dialogs place it over a placeholder of their template (any control with the id) with
// replacePlaceholder, then give it the files, the cell size and the names, and draw.

#include <vector>

#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "win/afxwin.h"

struct ImageListData {
    Kv_StringArray files;        // full paths, in display order
    Kv_StringArray names;        // display names, parallel to files (missing ones are empty)
    SIZE thumbnailSize{64, 64};  // every picture is fitted into this size
};

class CImageListCtrl : public CWnd {
public:
    // Notification code of the WM_COMMAND sent to the parent on a double click.
    static constexpr WORD ImageListDoubleClicked = 1;
    // Notification code of the WM_COMMAND sent to the parent when a click changed the selection.
    static constexpr WORD ImageListSelChanged = 2;
    static constexpr int NameHeight = 18;  // below each picture
    static constexpr int Margin = 6;       // around each cell

    CImageListCtrl() = default;
    ~CImageListCtrl() override;

    // Creates the control in the place of the parent's child with that id (which is destroyed);
    // false when there is no such child.
    BOOL replacePlaceholder(CWnd* parent, int id);

    void Init(const ImageListData& data) { data_ = data; }
    void SetImageFiles(const Kv_StringArray& files) { data_.files = files; }
    void SetThumbnailSize(int width, int height);
    void SetDisplayNames(const Kv_StringArray& names) { data_.names = names; }
    // Reads the files not read yet, scales them to the thumbnail size, lays out and repaints.
    void DrawThumbnails();

    const ImageListData& data() const { return data_; }
    int selectedIndex() const { return selected_; }
    // The display name of the selected thumbnail; empty when none is selected.
    Kv_String selectedName() const;
    int scrollOffset() const { return scroll_; }
    // How many times a picture file was read (for the benchmark and tests).
    int fileReads() const { return fileReads_; }
    // The thumbnail's cell in client coordinates as drawn now (scrolled).
    RECT cellRect(int index) const;

protected:
    void OnPaint() override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point) override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    struct Thumbnail {
        Kv_String file;
        HBITMAP bitmap = nullptr;  // scaled to fit the thumbnail size; null: unreadable
        int width = 0, height = 0;
    };
    int columns() const;
    int cellWidth() const { return data_.thumbnailSize.cx + 2 * Margin; }
    int cellHeight() const { return data_.thumbnailSize.cy + NameHeight + 2 * Margin; }
    int contentHeight() const;
    void clampScroll();
    int indexAt(CPoint point) const;
    void freeThumbnails();
    void notifyParent(WORD code);

    ImageListData data_;
    std::vector<Thumbnail> thumbnails_;
    SIZE scaledFor_{0, 0};
    int selected_ = -1;
    int scroll_ = 0;
    int fileReads_ = 0;
};
