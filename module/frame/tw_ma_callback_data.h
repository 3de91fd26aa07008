#pragma once
// TwMACallBackData: what the advanced profile options hand to their caller's callback: the
// group of the macro's properties, a flag and a number, a copy of the macro data owned by the
// record, the module name and the objects concerned.
//
// Copy rule: copying makes a deep copy of the owned macro data, so every record owns its own
// copy and deletes only that one.  (Copying the pointer would leave two owners of one copy
// and a double delete when the second record dies.)  The flag is false by default.

#include <memory>

#include <nlohmann/json_fwd.hpp>

#include "core/kv_string.h"
#include "core/records/macro_data.h"
#include "host/ac_array.h"
#include "host/object_id.h"

class TwMACallBackData {
public:
    TwMACallBackData();
    TwMACallBackData(const TwMACallBackData& other);
    TwMACallBackData& operator=(const TwMACallBackData& other);
    virtual ~TwMACallBackData();

    // Makes the owned copy of `macro` when there is none yet; keeps an existing copy as it is.
    void initDataClass(const MacroData& macro);
    // The owned copy, nullptr until initDataClass made one.
    MacroData* macroData() const { return macroData_.get(); }

    Kv_String groupName;
    bool flag = false;
    int number = 0;
    Kv_String moduleName;
    AcArray<AcDbObjectId> objectIds{0, 8};

private:
    std::unique_ptr<MacroData> macroData_;
};

// {"groupName", "flag", "number", "macroData" (null or a MacroData form), "moduleName",
// "objectIds"}.  Reading checks each member's type and refuses unknown members.
void to_json(nlohmann::json& out, const TwMACallBackData& data);
void from_json(const nlohmann::json& in, TwMACallBackData& data);
