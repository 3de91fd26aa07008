// The callable export of bill output, for programs that load the module by name.
//
//   writeBill: {"billFile", "settingsName", "colNames", "colTypes", "varNames", "varValues",
//               "feed": [{"row": [...]} or {"subtotals": [...]}, ...]}
//   outputs {"result" (both statuses 0), "init", "end" (the two status numbers), "billFile" (where it went),
//            "readBack": {"firstCell", "headers", "rows"} as ReadSSFile gives the saved sheet}.
// A bill file named without a folder goes to the system's temporary folder, so that a
// scenario never writes into the installation.
#include <filesystem>

#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "core/path_mapping.h"
#include "frame/callable_adapter.h"
#include "frame/callable_exports.h"
#include "frame/record_json.h"
#include "spread/bill/tw_ss_bill_output.h"
#include "spread/eval/sheet_evaluation.h"

namespace {

Kv_String billPathFor(const Kv_String& file) {
    for (int i = 0; i < file.length(); ++i)
        if (kvIsPathSeparator(file[i]) || file[i] == ':') return file;
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    return error ? file : kvNameFromDisk(folder / kvMapPath(file));
}

void feedBill(TwSSBillOutput& output, const nlohmann::json& feed) {
    if (!feed.is_array()) throw nlohmann::json::type_error::create(302, "writeBill: \"feed\" must be an array", &feed);
    for (const nlohmann::json& item : feed) {
        frame::RecordReader step(item, "writeBill feed entry");
        Kv_StringArray row, totals;
        const bool isRow = item.contains("row");
        step.read("row", row);
        step.read("subtotals", totals);
        step.finish();
        if (isRow)
            output.onAddRow(row);
        else
            output.onAddSubTotals(totals, {}, false, 0);
    }
}

void writeBill(const nlohmann::json& arguments, nlohmann::json& outputs) {
    Kv_String billFile = "bill.kvs", settingsName;
    Kv_StringArray colNames, varNames, varValues;
    Kv_Array<int> colTypes;
    frame::RecordReader members(arguments, "writeBill arguments");
    members.read("billFile", billFile);
    members.read("settingsName", settingsName);
    members.read("colNames", colNames);
    members.read("varNames", varNames);
    members.read("varValues", varValues);
    if (const nlohmann::json* types = members.take("colTypes")) colTypes = types->get<Kv_Array<int>>();
    const nlohmann::json* feed = members.take("feed");
    members.finish();

    billFile = billPathFor(billFile);
    TwSSBillOutput output;
    const Acad::ErrorStatus initStatus =
        output.init(billFile, colNames, {}, colTypes, settingsName, varNames, varValues);
    output.onStartFeed();
    if (feed) feedBill(output, *feed);
    const Acad::ErrorStatus endStatus = output.onEndFeed();
    outputs["result"] = initStatus == Acad::eOk && endStatus == Acad::eOk;
    outputs["init"] = static_cast<int>(initStatus);
    outputs["end"] = static_cast<int>(endStatus);
    outputs["billFile"] = billFile;

    Kv_String firstCell;
    Kv_StringArray headers;
    Kv_Array<Kv_StringArray> rows;
    ReadSSFile(billFile, firstCell, headers, rows);
    outputs["readBack"] = {{"firstCell", firstCell}, {"headers", headers}, {"rows", rows}};
}

const KvCallableRegistration registerWriteBill(
    "writeBill",
    "writes a bill into a hidden sheet and saves it; arguments billFile, settingsName, colNames, colTypes, "
    "varNames, varValues, feed (rows and subtotals); the saved sheet is read back with ReadSSFile",
    &frame::jsonAdapter<&writeBill>);

}  // namespace
