#include "cutting/csp2_overview.h"

#include "core/kv_texts.h"
#include "core/file_layer.h"
#include "cutting/stock_files.h"

namespace cutting {

bool loadRowsIntoSet(DlgCSP2Data& data, int table, int setId, const Kv_String& path) {
    DlgCSP2Table* target = data.table(table);
    if (!target) return false;
    Kv_Array<Kv_StringArray> rows;
    if (!readRowsFile(path, rows)) return false;
    target->replaceRowsOfSet(setId, rows);
    return true;
}

Kv_String unreadableFileText(const Kv_String& path) { return appStrs(string(kUnreadableFileText), " ", path); }

namespace {

// The line of one kind of file of one set; loads the newest such file into the table.
// A file that cannot be read keeps the set's rows; its name goes to `unreadable`.
Kv_String overviewLine(DlgCSP2Data& data, int setIndex, int table, const char* extension, int noFileText, int fileText,
                       Kv_StringArray& unreadable) {
    const Kv_String& name = data.setNames[setIndex];
    Kv_String newest;
    if (!hasSetFolder(name) || !findNewestFile(setFolder(name), appStrs("*.", extension), newest))
        return appStrs(dialString(noFileText), " ", dialString(634), " \"", name) + "\".";
    // The file is read as listed: the line names it, and a lowered twin beside it is another file.
    if (!loadRowsIntoSet(data, table, data.setIds[setIndex], newest)) unreadable.append(unreadableFileText(newest));
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
        Kv_StringArray unreadable;
        report.lines.append(overviewLine(data, i, DlgCSP2Data::kStockTable, kStockExtension, 633, 635, unreadable));
        report.lines.append(Kv_String());
        report.lines.append(
            overviewLine(data, i, DlgCSP2Data::kPurchaseTable, kPurchaseExtension, 637, 638, unreadable));
        // Said under the set, so nobody takes the rows shown for the file's.
        for (const Kv_String& line : unreadable) report.lines.append(line);
        report.lines.append(rule);
    }
    return report;
}

}  // namespace cutting
