#include "cutting/csp2_overview.h"

#include "core/kv_texts.h"
#include "core/object_export.h"
#include "cutting/csp2_files.h"

namespace cutting {

void loadRowsIntoSet(DlgCSP2Data& data, int table, int setId, const Kv_String& path) {
    DlgCSP2Table* target = data.table(table);
    if (!target) return;
    Kv_Array<Kv_StringArray> rows;
    readRowsFile(path, rows);
    target->replaceRowsOfSet(setId, rows);
}

namespace {

// The line of one kind of file of one set; loads the newest such file into the table.
Kv_String overviewLine(DlgCSP2Data& data, int setIndex, int table, const char* extension, int noFileText,
                       int fileText) {
    const Kv_String& name = data.setNames[setIndex];
    Kv_String newest;
    if (!hasSetFolder(name) || !findNewestFile(setFolder(name), appStrs("*.", extension), newest))
        return appStrs(dialString(noFileText), " ", dialString(634), " \"", name) + "\".";
    loadRowsIntoSet(data, table, data.setIds[setIndex], completedFilePath(newest, extension));
    Kv_String fileName;
    getFileName(newest, fileName);
    std::int64_t time = 0;
    Kv_String date;
    if (ObjectExportGetFileTime(newest, time)) date = formatFileTime(time);
    // The date follows its label after a blank, whether or not the label's text ends in one.
    Kv_String savedOn = dialString(636);
    if (!savedOn.endsWith(" ")) savedOn.append(' ');
    return appStrs(dialString(fileText), " \"", fileName, "\" ", dialString(634)) +
           appStrs(" \"", name, "\" ", savedOn, date);
}

}  // namespace

DlgInfoData buildStockOverview(DlgCSP2Data& data) {
    DlgInfoData report;
    report.title = dialString(652);
    report.subtitle = dialString(285);
    const Kv_String rule(std::string(116, '-'));
    report.lines.append(rule);
    for (int i = 0; i < data.setCount(); ++i) {
        report.lines.append(overviewLine(data, i, DlgCSP2Data::kStockTable, kStockExtension, 633, 635));
        report.lines.append(Kv_String());
        report.lines.append(overviewLine(data, i, DlgCSP2Data::kPurchaseTable, kPurchaseExtension, 637, 638));
        report.lines.append(rule);
    }
    return report;
}

}  // namespace cutting
