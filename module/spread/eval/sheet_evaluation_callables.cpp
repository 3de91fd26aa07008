// The callable exports of the formulas window, for programs that load the module by name.
//
//   EvaluateSS: no arguments; outputs {}.  The window stays open until the user closes it.
//   evaluateSheetCell: {"file", "col", "row"}; outputs {"result", "cellText"}.
//   ReadSSFile: {"file"}; outputs {"firstCell", "headers", "rows"}.
// A file named without a folder is taken from the installation folder, so that scenarios can
// name the sheets the package ships wherever they run from.
#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "core/kv_settings.h"
#include "core/path_mapping.h"
#include "frame/callable_adapter.h"
#include "frame/callable_exports.h"
#include "frame/record_json.h"
#include "spread/eval/sheet_evaluation.h"

namespace {

Kv_String installedOrGiven(const Kv_String& file) {
    const bool absolute = (!file.isEmpty() && kvIsPathSeparator(file[0])) || (file.length() > 1 && file[1] == ':');
    return absolute || file.isEmpty() ? file : Kv_Settings::kvDir() + file;
}

void evaluateSS(const nlohmann::json& arguments, nlohmann::json&) {
    frame::RecordReader members(arguments, "EvaluateSS arguments");
    members.finish();
    EvaluateSS();
}

void evaluateCell(const nlohmann::json& arguments, nlohmann::json& outputs) {
    Kv_String file;
    int col = 1, row = 1;
    frame::RecordReader members(arguments, "evaluateSheetCell arguments");
    members.read("file", file);
    members.read("col", col);
    members.read("row", row);
    members.finish();
    Kv_String cellText;
    outputs["result"] = evaluateSheetCell(installedOrGiven(file), col, row, cellText);
    outputs["cellText"] = cellText;
}

void readSSFile(const nlohmann::json& arguments, nlohmann::json& outputs) {
    Kv_String file;
    frame::RecordReader members(arguments, "ReadSSFile arguments");
    members.read("file", file);
    members.finish();
    Kv_String firstCell;
    Kv_StringArray headers;
    Kv_Array<Kv_StringArray> rows;
    ReadSSFile(installedOrGiven(file), firstCell, headers, rows);
    outputs["firstCell"] = firstCell;
    outputs["headers"] = headers;
    outputs["rows"] = rows;
}

const KvCallableRegistration registerEvaluateSS(
    "EvaluateSS", "opens the formulas window (resource 133) on the fixed test sheet and recalculates cell (1, 1)",
    &frame::jsonAdapter<&evaluateSS>);

const KvCallableRegistration registerEvaluateCell(
    "evaluateSheetCell",
    "opens the formulas window on a sheet file and recalculates one cell; arguments file, col, row",
    &frame::jsonAdapter<&evaluateCell>);

const KvCallableRegistration registerReadSSFile(
    "ReadSSFile", "reads a sheet file out as texts (first cell, column labels, rows); argument file",
    &frame::jsonAdapter<&readSSFile>);

}  // namespace
