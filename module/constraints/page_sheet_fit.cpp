#include "constraints/page_sheet_fit.h"

#include "spread/kv_spread.h"

void fitPageSheetColumns(Kv_Spread& sheet) {
    if (!sheet.isAttached()) return;
    RECT client{};
    sheet.GetClientRect(&client);
    const int cols = sheet.getMaxCols();
    if (cols < 1) return;
    // Rows beyond the client height bring the vertical bar; counting stops once they do.
    int height = 0, pixels = 0;
    if (sheet.GetBool(sheet::kOptColHeaderShown) && sheet.GetRowHeightInPixels(SS_HEADER, &pixels)) height += pixels;
    const int rows = sheet.getMaxRows();
    for (int row = 1; row <= rows && height <= client.bottom; ++row)
        if (sheet.GetRowHeightInPixels(row, &pixels)) height += pixels;
    int width = client.right;
    if (height > client.bottom && sheet.GetBool(sheet::kOptVertScrollBar)) width -= GetSystemMetrics(SM_CXVSCROLL);
    if (sheet.GetBool(sheet::kOptRowHeaderShown)) {
        sheet.GetColWidthInPixels(SS_HEADER, &pixels);
        width -= pixels;
    }
    const int each = width / cols;
    if (each <= 0) return;
    for (int col = 1; col <= cols; ++col)
        sheet.SetColWidthInPixels(col, col == cols ? width - each * (cols - 1) : each);
}
