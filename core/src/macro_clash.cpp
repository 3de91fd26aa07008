#include "core/macro_clash.h"

#include <map>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "host/command_line.h"
#include "host/drawing_database.h"

namespace {

using Pair = std::pair<AcDbObjectId, AcDbObjectId>;

struct ClashState {
    bool on = true;
    std::map<int, std::set<Pair>> reported;  // per dialog
};

ClashState& state() {
    static ClashState clash;
    return clash;
}

struct Box {
    host::Point3d min, max;
};

std::optional<Box> extentsOf(const host::DrawingObject& object) {
    const auto low = object.properties.find("minPoint");
    const auto high = object.properties.find("maxPoint");
    if (low == object.properties.end() || high == object.properties.end()) return std::nullopt;
    const host::Point3d* min = std::get_if<host::Point3d>(&low->second);
    const host::Point3d* max = std::get_if<host::Point3d>(&high->second);
    if (!min || !max) return std::nullopt;
    return Box{*min, *max};
}

bool overlap(const Box& a, const Box& b) {
    return a.min.x < b.max.x && b.min.x < a.max.x && a.min.y < b.max.y && b.min.y < a.max.y && a.min.z < b.max.z &&
           b.min.z < a.max.z;
}

}  // namespace

void clashInitDlgStarted(int dialogId) { state().reported[dialogId].clear(); }

void clashResetInfo(int dialogId, const AcArray<AcDbObjectId>&) { state().reported[dialogId].clear(); }

int clashcheck(int dialogId, const AcArray<AcDbObjectId>& ids) {
    if (!state().on) return 0;
    host::DrawingDatabase& drawing = host::DrawingDatabase::instance();
    std::set<Pair>& reported = state().reported[dialogId];
    std::set<Pair> now;
    for (const AcDbObjectId& id : ids) {
        const host::DrawingObject* instance = drawing.object(id);
        if (!instance || instance->erased) continue;
        const std::optional<Box> box = extentsOf(*instance);
        if (!box) continue;
        for (const AcDbObjectId& otherId : drawing.objectIds()) {
            if (ids.contains(otherId)) continue;
            const std::optional<Box> other = extentsOf(*drawing.object(otherId));
            if (other && overlap(*box, *other)) now.insert({id, otherId});
        }
    }
    for (const Pair& pair : now) {
        if (reported.count(pair)) continue;
        acutPrintf("Clash: #%lld with #%lld\n", static_cast<long long>(pair.first.asOldId()),
                   static_cast<long long>(pair.second.asOldId()));
        drawing.logAction("clash", pair.first, "#" + std::to_string(pair.second.asOldId()));
    }
    // Clashes that are gone are forgotten, so they are reported again when they come back.
    reported = now;
    return static_cast<int>(now.size());
}

void clashGetStatus(bool& on) { on = state().on; }

void clashSetStatus(bool on) { state().on = on; }

void clashDlgClosed(int dialogId) { state().reported.erase(dialogId); }
