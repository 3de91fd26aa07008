#include "core/records/dlg_prof_cuts_data.h"

#include <string>

#include <nlohmann/json.hpp>

#include "core/kv_texts.h"
#include "core/records/strict_members.h"
#include "host/drawing_database.h"
#include "host/picks.h"

DlgProfCutsData::DlgProfCutsData() = default;
DlgProfCutsData::DlgProfCutsData(const DlgProfCutsData& other) = default;
DlgProfCutsData& DlgProfCutsData::operator=(const DlgProfCutsData& other) = default;
DlgProfCutsData::~DlgProfCutsData() = default;

namespace {

host::DrawingDatabase& drawing() { return host::DrawingDatabase::instance(); }

bool belongsTo(const host::DrawingObject& cut, const AcDbObjectId& profile) {
    auto found = cut.properties.find("profile");
    if (found == cut.properties.end()) return false;
    const long long* id = std::get_if<long long>(&found->second);
    return id && *id == profile.asOldId();
}

}  // namespace

Kv_Array<AcDbObjectId> DlgProfCutsData::cutIds() const {
    Kv_Array<AcDbObjectId> ids;
    if (profileId.isNull()) return ids;
    for (const AcDbObjectId& id : drawing().objectIds("ProfileCut")) {
        const host::DrawingObject* cut = drawing().object(id);
        if (cut && !cut->erased && belongsTo(*cut, profileId)) ids.append(id);
    }
    return ids;
}

int DlgProfCutsData::cutCount() const { return cutIds().length(); }

bool DlgProfCutsData::getCutDescs(Kv_StringArray& texts) const {
    texts.removeAll();
    for (const AcDbObjectId& id : cutIds()) {
        host::PropertyValue value;
        Kv_String text;
        if (drawing().getProperty(id, "description", value) == Acad::eOk)
            if (const std::string* description = std::get_if<std::string>(&value)) text = Kv_String(*description);
        texts.append(text);
    }
    return !profileId.isNull();
}

bool DlgProfCutsData::removeCut(int index) {
    const Kv_Array<AcDbObjectId> ids = cutIds();
    if (!ids.isValidIndex(index)) return false;
    erasePreviewOf(ids[index]);
    return drawing().eraseObject(ids[index]) == Acad::eOk;
}

bool DlgProfCutsData::selectOtherProf() {
    AcDbObjectId picked;
    host::Point3d at;
    if (!host::pickObject(string(1136).str(), picked, at)) return false;
    const host::DrawingObject* object = drawing().object(picked);
    if (!object || object->erased || object->type != "Profile") return false;
    profileId = picked;
    selectedCut = 0;
    return true;
}

bool DlgProfCutsData::drawCutPreview(int index) {
    const Kv_Array<AcDbObjectId> ids = cutIds();
    if (!ids.isValidIndex(index)) return false;
    if (previews_.count(ids[index])) return true;
    previews_[ids[index]] = drawing().addObject("CutPreview", {{"cut", ids[index].asOldId()}});
    return true;
}

bool DlgProfCutsData::removeCutPreview(int index) {
    const Kv_Array<AcDbObjectId> ids = cutIds();
    return ids.isValidIndex(index) && erasePreviewOf(ids[index]);
}

bool DlgProfCutsData::erasePreviewOf(const AcDbObjectId& cut) {
    auto found = previews_.find(cut);
    if (found == previews_.end()) return false;
    drawing().eraseObject(found->second);
    previews_.erase(found);
    return true;
}

void DlgProfCutsData::removeAllCutPreviews() {
    for (const auto& [cut, preview] : previews_) drawing().eraseObject(preview);
    previews_.clear();
}

void to_json(nlohmann::json& out, const DlgProfCutsData& data) {
    out = nlohmann::json{{"profileId", data.profileId}, {"selectedCut", data.selectedCut}};
}

void from_json(const nlohmann::json& in, DlgProfCutsData& data) {
    core_records::StrictMembers members(in, "DlgProfCutsData");
    if (const nlohmann::json* id = members.take("profileId")) data.profileId = id->get<AcDbObjectId>();
    members.read("selectedCut", data.selectedCut);
    members.finish();
}
