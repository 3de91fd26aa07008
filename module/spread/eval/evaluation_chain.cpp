// The current evaluation sheet, the files of sheets being evaluated and the chain of table
// cells.  Single thread: the host's user-interface thread runs every evaluation.
#include "spread/eval/evaluation_chain.h"

#include <algorithm>
#include <map>

namespace {

struct ScopeFrame {
    HWND sheetWindow;
    Kv_String file;
};

HWND currentSheet = nullptr;

std::vector<ScopeFrame>& scopes() {
    static std::vector<ScopeFrame> frames;
    return frames;
}

std::map<HWND, Kv_String>& declaredFiles() {
    static std::map<HWND, Kv_String> files;
    return files;
}

std::vector<ChainCell>& chain() {
    static std::vector<ChainCell> cells;  // caller, needed, caller, needed...
    return cells;
}

}  // namespace

HWND currentEvaluationSheet() { return currentSheet; }

EvaluationScope::EvaluationScope(HWND sheetWindow, const Kv_String& file) : previous_(currentSheet) {
    scopes().push_back({sheetWindow, file});
    currentSheet = sheetWindow;
}

EvaluationScope::~EvaluationScope() {
    scopes().pop_back();
    currentSheet = previous_;
}

Kv_String evaluationFileOf(HWND sheetWindow) {
    for (auto frame = scopes().rbegin(); frame != scopes().rend(); ++frame)
        if (frame->sheetWindow == sheetWindow && !frame->file.isEmpty()) return frame->file;
    auto declared = declaredFiles().find(sheetWindow);
    return declared == declaredFiles().end() ? Kv_String() : declared->second;
}

void declareSheetFile(HWND sheetWindow, const Kv_String& file) { declaredFiles()[sheetWindow] = file; }
void forgetSheetFile(HWND sheetWindow) { declaredFiles().erase(sheetWindow); }

ChainLink::ChainLink(const ChainCell& caller, const ChainCell& needed) {
    chain().push_back(caller);
    chain().push_back(needed);
}

ChainLink::~ChainLink() { chain().resize(chain().size() - 2); }

bool ChainLink::inChain(const ChainCell& cell) {
    if (cell.file.empty()) return false;
    return std::find(chain().begin(), chain().end(), cell) != chain().end();
}

int ChainLink::depth() { return static_cast<int>(chain().size() / 2); }
