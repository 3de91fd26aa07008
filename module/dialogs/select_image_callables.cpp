// The image selection dialog as a callable of the host program: {data} in, {result, data}
// out, the selection filled only when the person confirmed a picture.
#include <nlohmann/json.hpp>

#include "dialogs/dlg_select_image.h"
#include "frame/callable_adapter.h"
#include "frame/callable_exports.h"
#include "frame/record_json.h"

namespace {

void selectImageDialog(const nlohmann::json& arguments, nlohmann::json& outputs) {
    TwSelectImageDlgData data;
    frame::RecordReader members(arguments, "StartDlgSelectImage arguments");
    if (const nlohmann::json* given = members.take("data")) data = given->get<TwSelectImageDlgData>();
    members.finish();
    outputs["result"] = StartDlgSelectImage(data);
    outputs["data"] = data;
}

const KvCallableRegistration registerSelectImageDialog(
    "StartDlgSelectImage",
    "offers picture files as thumbnails and returns the display name of the one chosen (resource 8719); "
    "argument data (TwSelectImageDlgData: title, imageFiles, selection)",
    &frame::jsonAdapter<&selectImageDialog>);

}  // namespace
