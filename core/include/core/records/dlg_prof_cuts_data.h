#pragma once
// DlgProfCutsData: the cuts of one profile in the drawing, as the profile cuts dialog shows
// them, with their previews.
//
// The drawing keeps a profile's cuts as objects of type "ProfileCut" with the properties
// "profile" (the profile's id) and "description" (a text), in the order they were added.  A
// preview is an object of type "CutPreview" whose "cut" property names the cut: drawing one
// adds it, removing one erases it, so the drawing's log shows both.  The record remembers the
// previews it drew (one per cut at most) and removes only those.
//
// Indices are those of getCutDescs at the time of the call; an index that names no cut
// changes nothing.

#include <map>

#include <nlohmann/json_fwd.hpp>

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "host/object_id.h"

class DlgProfCutsData {
public:
    DlgProfCutsData();
    DlgProfCutsData(const DlgProfCutsData& other);
    DlgProfCutsData& operator=(const DlgProfCutsData& other);
    virtual ~DlgProfCutsData();

    AcDbObjectId profileId;
    int selectedCut = 0;  // the chosen cut, by index

    // The descriptions of the profile's cuts, in order (replacing what texts held).
    bool getCutDescs(Kv_StringArray& texts) const;
    int cutCount() const;
    // Erases the cut and its preview from the drawing.
    bool removeCut(int index);
    // Lets the user pick another profile in the drawing; true when a profile was picked.
    bool selectOtherProf();

    bool drawCutPreview(int index);
    bool removeCutPreview(int index);
    void removeAllCutPreviews();
    // How many previews this record has in the drawing now.
    int previewCount() const { return static_cast<int>(previews_.size()); }

private:
    Kv_Array<AcDbObjectId> cutIds() const;
    bool erasePreviewOf(const AcDbObjectId& cut);

    std::map<AcDbObjectId, AcDbObjectId> previews_;  // cut -> its preview
};

// {"profileId", "selectedCut"}; the previews are the drawing's, not part of the form.
void to_json(nlohmann::json& out, const DlgProfCutsData& data);
void from_json(const nlohmann::json& in, DlgProfCutsData& data);
