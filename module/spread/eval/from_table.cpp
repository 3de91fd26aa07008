// FROMTABLE: registration, the engine's callback and the evaluation of one call.
#include "spread/eval/from_table.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "core/kv_settings.h"
#include "core/path_mapping.h"
#include "frame/dialog_launcher.h"
#include "host/command_line.h"
#include "sheet/sheet.h"
#include "sheet/ss_api.h"
#include "sheet/workbook_file.h"
#include "spread/eval/formulas_dlg.h"
#include "spread/eval/table_cache.h"
#include "win/global_memory.h"

namespace {

using ::sheet::kSSValueCell;
using ::sheet::kSSValueDouble;
using ::sheet::kSSValueEmpty;
using ::sheet::kSSValueError;
using ::sheet::kSSValueLong;
using ::sheet::kSSValueOk;
using ::sheet::kSSValueRange;
using ::sheet::kSSValueString;

bool isAbsolute(const Kv_String& path) {
    return (!path.isEmpty() && kvIsPathSeparator(path[0])) || (path.length() > 1 && path[1] == ':');
}

Kv_String folderOf(const Kv_String& file) {
    int cut = -1;
    for (int i = 0; i < file.length(); ++i)
        if (kvIsPathSeparator(file[i])) cut = i;
    return cut < 0 ? Kv_String() : file.getSubStringAt(0, cut + 1);
}

bool fileExists(const Kv_String& path) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(kvMapPath(path), ignored);
}

// A table named without a folder belongs with the sheet that names it; the installation
// folder holds the tables the package ships.
Kv_String resolveTableFile(const Kv_String& given, const Kv_String& callerFile) {
    if (isAbsolute(given)) return given;
    if (!callerFile.isEmpty()) {
        Kv_String beside = folderOf(callerFile) + given;
        if (fileExists(beside)) return beside;
    }
    Kv_String installed = Kv_Settings::kvDir() + given;
    return fileExists(installed) ? installed : given;
}

// "book.xlsx#Prices" names a sheet of a workbook: the file is looked for, the sheet kept.
Kv_String resolveTablePath(const Kv_String& given, const Kv_String& callerFile) {
    const ::sheet::SheetPath named = ::sheet::splitSheetPath(given.str());
    const Kv_String file = resolveTableFile(Kv_String(named.file), callerFile);
    return named.sheet.empty() ? file : file + "#" + Kv_String(named.sheet);
}

// The file a calling sheet came from: a cached table's own file, else what the evaluation
// knows of the sheet.
Kv_String callerFileOf(HWND callerSheet) {
    if (TableCache::Instance* table = TableCache::instance().find(callerSheet)) return table->file;
    return evaluationFileOf(callerSheet);
}

// Which arguments name cells: the table cell of the two- and three-argument forms and the
// target of the three-argument form.  The look-up form reads its key cells from the caller.
uint32_t namedCellArguments(int argCount) {
    if (argCount == 2) return 1u << 1;
    if (argCount == 3) return 1u << 1 | 1u << 2;
    return 0;
}

// String values travel in movable global memory blocks.
std::string blockText(void* handle) {
    const char* bytes = handle ? static_cast<const char*>(GlobalLock(handle)) : nullptr;
    if (!bytes) return {};
    std::string text(bytes, strnlen(bytes, GlobalSize(handle)));
    GlobalUnlock(handle);
    return text;
}

std::string cellData(HWND sheetWindow, int col, int row, bool* read = nullptr) {
    const int length = SSGetDataLen(sheetWindow, col, row);
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    const int got = SSGetData(sheetWindow, col, row, buffer.data());
    if (read) *read = got != 0;
    if (got == 0) return {};
    buffer.resize(std::strlen(buffer.c_str()));
    return buffer;
}

// The text a look-up key argument stands for.  Whole numbers arrive as longs; other numbers
// are written as the shortest text that reads back to them, as a cell shows them.
std::string keyText(const FromTableValue& arg, HWND callerSheet) {
    switch (arg.type) {
    case kSSValueLong: return std::to_string(arg.longValue);
    case kSSValueDouble: {
        char text[32];
        std::snprintf(text, sizeof text, "%.15g", arg.doubleValue);
        return text;
    }
    case kSSValueString: return blockText(arg.textHandle);
    case kSSValueCell: return cellData(callerSheet, arg.cell.col, arg.cell.row);
    default: return {};
    }
}

// The table cell a call names; false when it names none.  Look-up texts compare ignoring
// case (code page 1252 letters too) and must be equal in length.
bool findTableCell(TableCache::Instance& table, HWND callerSheet, const FromTableValue* args, int argCount, int& col,
                   int& row) {
    if (argCount == 2 || argCount == 3) {
        if (args[1].type != kSSValueCell) return false;
        col = args[1].cell.col;
        row = args[1].cell.row;
        return true;
    }
    if (argCount != 4) return false;
    TableCache& cache = TableCache::instance();
    const int keyCol = cache.labelColumn(table, keyText(args[1], callerSheet));
    const int resultCol = cache.labelColumn(table, keyText(args[2], callerSheet));
    if (keyCol == 0 || resultCol == 0) return false;
    row = cache.keyRow(table, keyCol, keyText(args[3], callerSheet));
    col = resultCol;
    return row != 0;
}

bool tableCellIsError(HWND table, int col, int row) {
    const ::sheet::Sheet* model = SSGetSheet(table);
    return model && model->value({col, row}).isError();
}

void setStringResult(FromTableValue& result, const std::string& text) {
    HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    char* bytes = handle ? static_cast<char*>(GlobalLock(handle)) : nullptr;
    if (!bytes) {
        if (handle) GlobalFree(handle);
        acutPrintf("Reallocate failed\n");
        return;  // the result stays an error
    }
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(handle);
    result.type = kSSValueString;
    result.textHandle = handle;
    result.status = kSSValueOk;
}

// The table cell's value typed by its cell type: whole numbers for integer and check-box
// cells, numbers for number cells, the text for every other cell.
void takeTableCell(HWND table, int col, int row, FromTableValue& result) {
    if (tableCellIsError(table, col, row)) return;  // an error in the table is an error here
    SS_CELLTYPE type;
    SSGetCellType(table, col, row, &type);
    bool read = false;
    const std::string data = cellData(table, col, row, &read);
    using ::sheet::CellKind;
    const CellKind kind = type.record.kind;
    if (kind == CellKind::Integer || kind == CellKind::CheckBox) {
        result.type = kSSValueLong;
        result.longValue = std::atoi(data.c_str());
        result.status = read ? kSSValueOk : kSSValueEmpty;
    } else if (kind == CellKind::Number || kind == CellKind::Float || kind == CellKind::Percent) {
        double number = 0;
        const bool gotNumber = SSGetFloat(table, col, row, &number) != FALSE;
        result.type = kSSValueDouble;
        result.doubleValue = number;
        result.status = gotNumber ? kSSValueOk : kSSValueEmpty;
    } else if (read) {
        setStringResult(result, data);
    } else {
        result.status = kSSValueEmpty;
    }
}

void traceResult(const FromTableValue& result) {
    if (result.status != kSSValueOk) return;
    switch (result.type) {
    case kSSValueLong: acutPrintf("Result is long: %i\n", static_cast<int>(result.longValue)); break;
    case kSSValueDouble: acutPrintf("Result is double: %f\n", result.doubleValue); break;
    case kSSValueString: acutPrintf("Result is string: %s\n", blockText(result.textHandle).c_str()); break;
    case kSSValueCell: acutPrintf("Result is cell\n"); break;
    case kSSValueRange: acutPrintf("Result is range\n"); break;
    default: break;
    }
}

// The three-argument form writes into a cell of the calling sheet.  A formula there is left
// alone: it may be the very formula being computed, and overwriting it would lose it.
void copyIntoCaller(HWND table, HWND callerSheet, int col, int row, const FromTableValue& target) {
    if (target.type != kSSValueCell) return;
    const ::sheet::Sheet* caller = SSGetSheet(callerSheet);
    if (caller && caller->hasFormula({target.cell.col, target.cell.row})) {
        acutPrintf("*Error* FROMTABLE does not overwrite the formula in the target cell.\n");
        return;
    }
    bool read = false;
    const std::string data = cellData(table, col, row, &read);
    if (!read) return;
    SSSetData(callerSheet, target.cell.col, target.cell.row, data.c_str());
    // A cached table written into no longer matches its file.
    if (TableCache::Instance* written = TableCache::instance().find(callerSheet)) written->stale = true;
}

std::string cellName(int col, int row) { return ::sheet::columnName(col) + std::to_string(row); }

// Gives a borrowed table back however the evaluation ends.
struct Borrowed {
    TableCache::Instance* table;
    ~Borrowed() { TableCache::instance().giveBack(table); }
};

}  // namespace

bool registerFromTable(HWND sheetWindow) {
    return SSAddCustomFunctionWithCaller(sheetWindow, "FROMTABLE", 2, 4, &fromTableCall,
                                         static_cast<long>(::sheet::kSSCustomWantsCellRef),
                                         &namedCellArguments) != FALSE;
}

bool fromTableCallback(FromTableValue* result, FromTableValue* args, int16_t argCount) {
    return fromTableCall(nullptr, result, args, argCount);
}

namespace {

// The files of a call: the calling sheet's, and the table's as resolved beside it.  False when
// the call names no table (its result is then an error).
bool callFiles(HWND callerSheet, const FromTableValue* args, int argCount, Kv_String& callerFile, Kv_String& file) {
    for (int i = 0; i < argCount; ++i)
        if (args[i].status != kSSValueOk) return false;
    if (argCount < 1 || args[0].type != kSSValueString) return false;
    callerFile = callerFileOf(callerSheet);
    file = resolveTablePath(blockText(args[0].textHandle), callerFile);
    return true;
}

// Evaluates a call in a table lent to it.
void evaluateIn(TableCache::Instance& table, HWND callerSheet, const Kv_String& callerFile, int callerCol,
                int callerRow, FromTableValue* result, const FromTableValue* args, int argCount) {
    int col = 0, row = 0;
    if (!findTableCell(table, callerSheet, args, argCount, col, row)) return;
    const ChainCell callerCell{callerFile.isEmpty() ? std::string() : TableCache::keyOf(callerFile), callerCol,
                               callerRow};
    const ChainCell needed{table.key, col, row};
    if (needed == callerCell || ChainLink::inChain(needed)) {
        acutPrintf("*Error* FROMTABLE: cell %s of %s needs its own value.\n", cellName(col, row).c_str(),
                   table.file.c_str());
        return;
    }
    {
        // The table's own FROMTABLE calls are evaluated with the table as their caller.
        ChainLink link(callerCell, needed);
        EvaluationScope scope(table.window, table.file);
        _SSReCalcCell(table.window, col, row);
    }
    // What the caller computes now depends on this table and on what it read in turn.
    if (TableCache::Instance* callerTable = TableCache::instance().find(callerSheet))
        TableCache::recordInput(*callerTable, table);
    if (argCount == 3) {
        copyIntoCaller(table.window, callerSheet, col, row, args[2]);
        return;
    }
    takeTableCell(table.window, col, row, *result);
    traceResult(*result);
}

void setError(FromTableValue& result) {
    result.status = kSSValueError;
    result.type = kSSValueLong;
    result.longValue = 0;
}

bool tooDeep() {
    if (ChainLink::depth() < kMaxTableNesting) return false;
    acutPrintf("*Error* FROMTABLE: tables nest deeper than %d.\n", kMaxTableNesting);
    return true;
}

}  // namespace

bool fromTableCall(const ::sheet::SSCaller* caller, FromTableValue* result, FromTableValue* args, int16_t argCount) {
    const bool told = caller && caller->sheet;
    const HWND callerSheet = told ? static_cast<HWND>(caller->sheet) : currentEvaluationSheet();
    const int callerCol = told ? caller->col : 0, callerRow = told ? caller->row : 0;
    // A table that is kept answers at once; a table that has to be loaded gets its formulas
    // window, as tables always did.  The window costs more than the look-up itself.
    Kv_String callerFile, file;
    if (callerSheet && result && args && ChainLink::depth() < kMaxTableNesting &&
        callFiles(callerSheet, args, argCount, callerFile, file)) {
        if (TableCache::Instance* kept = TableCache::instance().borrowKept(file)) {
            Borrowed borrowed{kept};
            setError(*result);
            evaluateIn(*kept, callerSheet, callerFile, callerCol, callerRow, result, args, argCount);
            return true;
        }
    }
    // The window writes `result` itself; it runs inside an evaluation, whose caller already
    // holds the module's resource scope.
    frame::launchModalDialog<FormulasDlg>(
        frame::LaunchRules{frame::ResourceScope::CallerProvides, frame::CopyBack::OnOk},
        [&](FormulasDlg& window) {
            window.mode = FormulasDlg::kEvaluateFromTable;
            window.result = result;
            window.args = args;
            window.argCount = argCount;
            window.callerSheet = callerSheet;
            window.callerCol = callerCol;
            window.callerRow = callerRow;
        },
        [](FormulasDlg&) {});
    return true;
}

void evaluateFromTable(HWND callerSheet, int callerCol, int callerRow, FromTableValue* result,
                       const FromTableValue* args, int argCount) {
    if (!callerSheet || !result || !args) return;
    setError(*result);
    Kv_String callerFile, file;
    if (!callFiles(callerSheet, args, argCount, callerFile, file) || tooDeep()) return;
    Borrowed borrowed{TableCache::instance().borrow(file)};
    if (!borrowed.table) return;
    evaluateIn(*borrowed.table, callerSheet, callerFile, callerCol, callerRow, result, args, argCount);
}
