#pragma once
// Reads back what the wrapper left in a real engine window, for checks the wrapper's own
// calls cannot answer (fonts, locks, options, the editor).  Reads go through the engine's
// calls where it has one, and through its model otherwise; writes only set up a test.

#include <string>

#include "sheet/sheet.h"
#include "sheet/ss_api.h"

namespace spread_test {

class EngineProbe {
public:
    explicit EngineProbe(HWND sheetWindow) : hwnd(sheetWindow), model(SSGetSheet(sheetWindow)) {}
    bool valid() const { return model != nullptr; }

    int maxRows() const { return SSGetMaxRows(hwnd); }
    int maxCols() const { return SSGetMaxCols(hwnd); }
    std::string dataAt(int col, int row) const {
        std::string text(static_cast<size_t>(SSGetDataLen(hwnd, col, row)) + 1, '\0');
        SSGetData(hwnd, col, row, text.data());
        return text.c_str();
    }
    bool option(int number) const { return SSGetBool(hwnd, static_cast<short>(number)) != FALSE; }
    void setOption(int number, bool on) const { SSSetBool(hwnd, static_cast<short>(number), on); }
    void setTag(int col, int row, const char* tag) const { _SSSetCellTag(hwnd, col, row, tag); }
    bool locked(int col, int row) const { return SSGetLock(hwnd, col, row) != FALSE; }
    SS_CELLTYPE cellType(int col, int row) const {
        SS_CELLTYPE type;
        SSGetCellType(hwnd, col, row, &type);
        return type;
    }
    const sheet::CellFont& font(int col, int row) const { return format(col, row).font; }
    int operationMode() const { return model->settings().operationMode; }
    int textTipStatus() const {
        WORD status = 0;
        _SSGetTextTip(hwnd, &status, nullptr, nullptr, nullptr, nullptr);
        return status;
    }
    int activeCol() const { return active().Col; }
    int activeRow() const { return active().Row; }
    bool editing() const { return SSGetEditMode(hwnd) != FALSE; }
    int selStart() const { return selection().first; }
    int selEnd() const { return selection().second; }
    int colWidth(int col) const {
        int pixels = 0;
        SSGetColWidthInPixels(hwnd, col, &pixels);
        return pixels;
    }
    int rowHeight(int row) const {
        int pixels = 0;
        SSGetRowHeightInPixels(hwnd, row, &pixels);
        return pixels;
    }

    // The client point in the middle of a cell (0 for the header row or column); the engine
    // lays cells out from the top left without scrolling.
    POINT cellCenter(int col, int row) const {
        auto edge = [](int headerShown, int headerSize, auto size, int index) {
            int start = headerShown ? headerSize : 0;
            if (index == 0) return std::pair{0, headerSize};
            for (int i = 1; i < index; ++i) start += size(i);
            return std::pair{start, size(index)};
        };
        auto [x, w] = edge(
            option(sheet::kOptRowHeaderShown), model->colWidth(0), [this](int c) { return model->colWidth(c); }, col);
        auto [y, h] = edge(
            option(sheet::kOptColHeaderShown), model->rowHeight(0), [this](int r) { return model->rowHeight(r); }, row);
        return POINT{x + w / 2, y + h / 2};
    }

private:
    const sheet::CellFormat& format(int col, int row) const { return model->format({col, row}); }
    SS_CELLCOORD active() const {
        SS_CELLCOORD cell;
        SSGetActiveCell(hwnd, &cell.Col, &cell.Row);
        return cell;
    }
    std::pair<int, int> selection() const {
        int start = 0, end = 0;
        SSGetSel(hwnd, &start, &end);
        return {start, end};
    }

    HWND hwnd;
    const sheet::Sheet* model;
};

inline POINT cellCenter(HWND sheetWindow, int col, int row) { return EngineProbe(sheetWindow).cellCenter(col, row); }

}  // namespace spread_test
