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
#include "host/command_line.h"
#include "sheet/sheet.h"
#include "sheet/ss_api.h"
#include "spread/eval/formulas_dlg.h"

namespace {

using ::sheet::kSSValueCell;
using ::sheet::kSSValueDouble;
using ::sheet::kSSValueEmpty;
using ::sheet::kSSValueError;
using ::sheet::kSSValueLong;
using ::sheet::kSSValueOk;
using ::sheet::kSSValueRange;
using ::sheet::kSSValueString;

// Cell type numbers the engine reports, and how FROMTABLE hands their cells back.
constexpr short kTypeInteger = 10, kTypeCheckBox = 12;
constexpr short kTypeNumber = 14, kTypeFloat = 15, kTypePercent = 16;

struct EvaluationFrame {
    HWND sheetWindow;
    Kv_String file;
};

// Single thread: the host's user-interface thread runs every evaluation.
HWND currentSheet = nullptr;
std::vector<EvaluationFrame>& chain() {
    static std::vector<EvaluationFrame> frames;
    return frames;
}

std::filesystem::path comparablePath(const Kv_String& file) {
    std::error_code ignored;
    std::filesystem::path mapped = kvMapPath(file);
    std::filesystem::path canonical = std::filesystem::weakly_canonical(mapped, ignored);
    return canonical.empty() ? mapped.lexically_normal() : canonical;
}

bool inChain(const Kv_String& file) {
    const std::filesystem::path wanted = comparablePath(file);
    for (const EvaluationFrame& frame : chain())
        if (!frame.file.isEmpty() && comparablePath(frame.file) == wanted) return true;
    return false;
}

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
Kv_String resolveTablePath(const Kv_String& given) {
    if (isAbsolute(given)) return given;
    for (auto frame = chain().rbegin(); frame != chain().rend(); ++frame) {
        if (frame->file.isEmpty()) continue;
        Kv_String beside = folderOf(frame->file) + given;
        if (fileExists(beside)) return beside;
        break;
    }
    Kv_String installed = Kv_Settings::kvDir() + given;
    return fileExists(installed) ? installed : given;
}

std::string blockText(void* handle) {
    const ::sheet::MemoryBlockFunctions& memory = ::sheet::memoryBlockFunctions();
    const char* bytes = handle ? memory.lock(handle) : nullptr;
    if (!bytes) return {};
    std::string text(bytes);
    memory.unlock(handle);
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

// Texts equal in length and equal ignoring case (code page 1252 letters included).
bool sameKey(const std::string& a, const std::string& b) {
    return a.size() == b.size() && Kv_String(a).equal(Kv_String(b), true);
}

int findLabelColumn(HWND table, const std::string& label) {
    const int cols = SSGetMaxCols(table);
    for (int col = 1; col <= cols; ++col)
        if (sameKey(cellData(table, col, SS_HEADER), label)) return col;
    return 0;
}

int findKeyRow(HWND table, int col, const std::string& key) {
    const int rows = SSGetMaxRows(table);
    for (int row = 1; row <= rows; ++row)
        if (sameKey(cellData(table, col, row), key)) return row;
    return 0;
}

// The table cell a call names; false when it names none.
bool findTableCell(HWND table, HWND callerSheet, const FromTableValue* args, int argCount, int& col, int& row) {
    if (argCount == 2 || argCount == 3) {
        if (args[1].type != kSSValueCell) return false;
        col = args[1].cell.col;
        row = args[1].cell.row;
        return true;
    }
    if (argCount != 4) return false;
    const int keyCol = findLabelColumn(table, keyText(args[1], callerSheet));
    const int resultCol = findLabelColumn(table, keyText(args[2], callerSheet));
    if (keyCol == 0 || resultCol == 0) return false;
    row = findKeyRow(table, keyCol, keyText(args[3], callerSheet));
    col = resultCol;
    return row != 0;
}

bool tableCellIsError(HWND table, int col, int row) {
    const ::sheet::Sheet* model = SSGetSheet(table);
    return model && model->value({col, row}).isError();
}

void setStringResult(FromTableValue& result, const std::string& text) {
    const ::sheet::MemoryBlockFunctions& memory = ::sheet::memoryBlockFunctions();
    void* handle = memory.alloc(text.size() + 1);
    char* bytes = handle ? memory.lock(handle) : nullptr;
    if (!bytes) {
        if (handle) memory.release(handle);
        acutPrintf("Reallocate failed\n");
        return;  // the result stays an error
    }
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    memory.unlock(handle);
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
    if (type.Type == kTypeInteger || type.Type == kTypeCheckBox) {
        result.type = kSSValueLong;
        result.longValue = std::atoi(data.c_str());
        result.status = read ? kSSValueOk : kSSValueEmpty;
    } else if (type.Type == kTypeNumber || type.Type == kTypeFloat || type.Type == kTypePercent) {
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
    if (read) SSSetData(callerSheet, target.cell.col, target.cell.row, data.c_str());
}

}  // namespace

HWND currentEvaluationSheet() { return currentSheet; }

EvaluationScope::EvaluationScope(HWND sheetWindow, const Kv_String& file) : previous_(currentSheet) {
    chain().push_back({sheetWindow, file});
    currentSheet = sheetWindow;
}

EvaluationScope::~EvaluationScope() {
    chain().pop_back();
    currentSheet = previous_;
}

bool registerFromTable(HWND sheetWindow) {
    return _SSAddCustomFunctionExt(sheetWindow, "FROMTABLE", 2, 4, &fromTableCallback,
                                   static_cast<long>(::sheet::kSSCustomWantsCellRef)) != FALSE;
}

bool fromTableCallback(FromTableValue* result, FromTableValue* args, int16_t argCount) {
    FormulasDlg window;
    window.mode = FormulasDlg::kEvaluateFromTable;
    window.result = result;
    window.args = args;
    window.argCount = argCount;
    window.callerSheet = currentEvaluationSheet();
    window.DoModal();
    return true;
}

void evaluateFromTable(HWND table, HWND callerSheet, FromTableValue* result, const FromTableValue* args,
                       int argCount) {
    if (!callerSheet || !result || !args) return;
    result->status = kSSValueError;
    result->type = kSSValueLong;
    result->longValue = 0;
    if (argCount < 1) return;
    for (int i = 0; i < argCount; ++i)
        if (args[i].status != kSSValueOk) return;
    if (args[0].type != kSSValueString) return;

    const Kv_String file = resolveTablePath(blockText(args[0].textHandle));
    if (inChain(file)) {
        acutPrintf("*Error* FROMTABLE: %s refers back to a table being evaluated.\n", file.c_str());
        return;
    }
    if (static_cast<int>(chain().size()) >= kMaxTableNesting) {
        acutPrintf("*Error* FROMTABLE: tables nest deeper than %d.\n", kMaxTableNesting);
        return;
    }
    if (!SSLoadFromFile(table, file.c_str())) return;
    registerFromTable(table);

    // The table's own FROMTABLE calls are evaluated with the table as their caller.
    EvaluationScope scope(table, file);
    int col = 0, row = 0;
    if (!findTableCell(table, callerSheet, args, argCount, col, row)) return;
    _SSReCalcCell(table, col, row);
    if (argCount == 3) {
        copyIntoCaller(table, callerSheet, col, row, args[2]);
        return;
    }
    takeTableCell(table, col, row, *result);
    traceResult(*result);
}
