// CDlgCSP2: the file buttons, the batch save of stock-update mode and the overview report.
#include "core/dlg_open_save.h"
#include "core/export_start_dlg_info.h"
#include "core/kv_texts.h"
#include "core/file_layer.h"
#include "cutting/stock_files.h"
#include "cutting/csp2_overview.h"
#include "cutting/cutting_ids.h"
#include "cutting/dlg_csp2.h"

namespace {

Kv_String fileDescription(int table) {
    return table == DlgCSP2Data::kStockTable ? dialString(626) + " (*.shp)" : dialString(627) + " (*.buy)";
}

// Message text of a save that wrote nothing.
constexpr int kSaveFailedText = 20100;

}  // namespace

void CDlgCSP2::transferTableFile(int setIndex, int table, Kv_Spread& target, bool open, bool ask,
                                 const Kv_String& extension, const Kv_String& description, int titleText) {
    DlgCSP2Table* rowsTable = data.table(table);
    if (setIndex < 0 || setIndex >= data.setCount() || !rowsTable) return;
    if (extension.length() != 3 || !cutting::hasSetFolder(data.setNames[setIndex])) return;
    const int setId = data.setIds[setIndex];
    const Kv_String folder = cutting::setFolder(data.setNames[setIndex]);
    ObjectExportCreateDirectory(folder);

    Kv_String path;
    if (open) {
        // The file dialog starts in the set's folder when the set has no file yet.
        if (!cutting::findNewestFile(folder, appStrs("*.", extension), path)) path = folder;
    } else {
        path = cutting::proposedNewFile(folder, extension);
    }
    if (ask && !DlgOpenSave(open, extension, description, dialString(titleText), path)) return;

    if (open) {
        // The file read is the one chosen: completing "Stock1.buy" to "stock1.buy.shp" would
        // read nothing and wipe the set's rows.
        if (!cutting::loadRowsIntoSet(data, table, setId, path)) {
            MessageBox(cutting::unreadableFileText(path).c_str(), dialString(620).c_str(), MB_OK | MB_ICONWARNING);
            return;
        }
        showSetRows(target, table, setId);
        refreshSheets();
        return;
    }
    path = cutting::completedFilePath(path, extension);
    if (!cutting::writeRowsFile(path, rowsTable->rowsOfSet(setId))) {
        // Nothing was written (the old file, if any, is as it was); say so instead of letting
        // the user believe the rows are on disk.
        const Kv_String text = appStrs(string(kSaveFailedText), "\n", path);
        MessageBox(text.c_str(), dialString(620).c_str(), MB_OK | MB_ICONWARNING);
    }
}

void CDlgCSP2::onFileButton(int table, bool open) {
    const int index = selectedSetIndex();
    if (index < 0) return;
    storeSheets(data.setIdAt(index));
    transferTableFile(index, table, sheet(table), open, true,
                      table == DlgCSP2Data::kStockTable ? cutting::kStockExtension : cutting::kPurchaseExtension,
                      fileDescription(table), open ? 618 : 619);
}

void CDlgCSP2::onMainButton() {
    const int index = selectedSetIndex();
    if (index < 0) return;
    storeSheets(data.setIdAt(index));
    if (data.stockUpdateMode)
        runBatchSave();
    else
        runOverview();
}

void CDlgCSP2::runBatchSave() {
    const bool ask = IsDlgButtonChecked(IDC_CSP2_ASK_NAMES) == BST_CHECKED;
    for (int i = 0; i < data.setCount(); ++i)
        transferTableFile(i, DlgCSP2Data::kStockTable, sheet(DlgCSP2Data::kStockTable), false, ask,
                          cutting::kStockExtension, fileDescription(DlgCSP2Data::kStockTable), 619);
}

void CDlgCSP2::runOverview() {
    const DlgInfoData report = cutting::buildStockOverview(data);
    refreshSheets();
    ExportStartDlgInfo(report);
}
