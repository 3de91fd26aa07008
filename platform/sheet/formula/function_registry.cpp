#include "sheet/formula/function_registry.h"

#include "function_support.h"
#include "sheet/formula/formula.h"
#include "text_case.h"

namespace sheet {

namespace {

bool isIdentifier(std::string_view name) {
    if (name.empty() || !isNameLetter(name[0])) return false;
    for (char c : name)
        if (!isNameLetter(c) && !(c >= '0' && c <= '9') && c != '_' && c != '.') return false;
    return true;
}

}  // namespace

bool FunctionRegistry::add(FunctionDef def) {
    if (def.name.empty() || !def.impl) return false;
    if (def.custom && !isIdentifier(def.name)) return false;
    if (def.minArgs < 0 || def.minArgs > def.maxArgs || def.maxArgs > kMaxFunctionArgs) return false;
    def.name = upperCase1252(def.name);
    std::string key = def.name;
    byName_.insert_or_assign(std::move(key), std::move(def));
    return true;
}

const FunctionDef* FunctionRegistry::find(std::string_view name) const {
    auto it = byName_.find(name);
    if (it == byName_.end()) {
        std::string upper = upperCase1252(name);
        if (upper == name) return nullptr;
        it = byName_.find(upper);
        if (it == byName_.end()) return nullptr;
    }
    return &it->second;
}

void FunctionRegistry::removeCustom() {
    std::erase_if(byName_, [](const auto& entry) { return entry.second.custom; });
}

const FunctionRegistry& builtinFunctions() {
    static const FunctionRegistry registry = [] {
        FunctionRegistry r;
        registerOperators(r);
        registerMathFunctions(r);
        registerAggregateFunctions(r);
        registerLogicAndTextFunctions(r);
        registerLookupFunctions(r);
        registerInformationFunctions(r);
        registerMoreMathFunctions(r);
        registerStatisticalFunctions(r);
        registerTextFunctions(r);
        registerReferenceFunctions(r);
        registerDateFunctions(r);
        return r;
    }();
    return registry;
}

}  // namespace sheet
