#include "core/records/tw_levels_dlg_data.h"

#include <cmath>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "core/records/strict_members.h"

TwLevelsDlgData::TwLevelsDlgData() = default;
TwLevelsDlgData::TwLevelsDlgData(const TwLevelsDlgData& other) = default;
TwLevelsDlgData& TwLevelsDlgData::operator=(const TwLevelsDlgData& other) = default;
TwLevelsDlgData::~TwLevelsDlgData() = default;

void TwLevelsDlgData::getNames(Kv_StringArray& names) const {
    names.removeAll();
    for (const TwLevel& level : levels_) names.append(level.name);
}

bool TwLevelsDlgData::getLevelData(int index, Kv_String& name, Kv_String& referenceName, double& value,
                                   double& secondValue) const {
    if (!levels_.isValidIndex(index)) return false;
    const TwLevel& level = levels_[index];
    name = level.name;
    referenceName = level.referenceName;
    value = level.value;
    secondValue = level.secondValue;
    return true;
}

bool TwLevelsDlgData::updateLevel(int index, double value) {
    if (!levels_.isValidIndex(index)) return false;
    levels_[index].value = value;
    computeHeights();
    return true;
}

bool TwLevelsDlgData::updateLevel(int index, const Kv_String& referenceName) {
    if (!levels_.isValidIndex(index)) return false;
    levels_[index].referenceName = referenceName;
    computeHeights();
    return true;
}

bool TwLevelsDlgData::addLevel(const Kv_String& name, int& newIndex) {
    TwLevel level;
    level.name = name;
    newIndex = levels_.append(level);
    computeHeights();
    return true;
}

bool TwLevelsDlgData::deleteLevel(int index) {
    if (!levels_.isValidIndex(index)) return false;
    levels_.removeAt(index);
    computeHeights();
    return true;
}

void TwLevelsDlgData::setLevels(const Kv_Array<TwLevel>& levels) {
    levels_ = levels;
    computeHeights();
}

void TwLevelsDlgData::computeHeights() {
    const int count = levels_.length();
    auto referenceOf = [&](int index) {
        const Kv_String& reference = levels_[index].referenceName;
        if (reference.isEmpty() || reference == kOrigin) return -1;
        for (int other = 0; other < count; ++other)
            if (levels_[other].name == reference) return other;
        return -1;
    };
    // Each level's chain of references is followed to the origin, a level already computed,
    // or a level met before on the same chain (a loop, cut there); the chain is then summed
    // back from its end.  Every level is computed once, so the work stays linear in the chain.
    enum class State { Open, OnChain, Done };
    std::vector<State> state(count, State::Open);
    for (int start = 0; start < count; ++start) {
        if (state[start] == State::Done) continue;
        std::vector<int> chain;
        double base = 0;
        for (int at = start; at >= 0;) {
            if (state[at] == State::Done) {
                base = levels_[at].secondValue;
                break;
            }
            if (state[at] == State::OnChain) break;  // the loop closes here: counted from the origin
            state[at] = State::OnChain;
            chain.push_back(at);
            at = referenceOf(at);
        }
        for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
            base += levels_[*it].value;
            levels_[*it].secondValue = base;
            state[*it] = State::Done;
        }
    }
}

void to_json(nlohmann::json& out, const TwLevel& level) {
    out = nlohmann::json{{"name", level.name}, {"referenceName", level.referenceName}, {"value", level.value}};
    // Finite values add up to an infinite height when they are large enough; JSON has no form
    // for it, and the height is computed again on reading anyway.
    if (std::isfinite(level.secondValue)) out["secondValue"] = level.secondValue;
}

void from_json(const nlohmann::json& in, TwLevel& level) {
    core_records::StrictMembers members(in, "TwLevel");
    auto isNumber = [](const nlohmann::json& m) { return m.is_number(); };
    TwLevel read;
    members.read("name", read.name);
    members.read("referenceName", read.referenceName);
    members.readChecked("value", read.value, "a number", isNumber);
    members.readChecked("secondValue", read.secondValue, "a number", isNumber);
    members.finish();
    level = read;
}

void to_json(nlohmann::json& out, const TwLevelsDlgData& data) { out = nlohmann::json{{"levels", data.levels()}}; }

void from_json(const nlohmann::json& in, TwLevelsDlgData& data) {
    core_records::StrictMembers members(in, "TwLevelsDlgData");
    Kv_Array<TwLevel> levels;
    if (const nlohmann::json* given = members.take("levels")) {
        if (!given->is_array()) members.fail("field \"levels\" must be an array of levels");
        levels = given->get<Kv_Array<TwLevel>>();
    }
    members.finish();
    data.setLevels(levels);
}
