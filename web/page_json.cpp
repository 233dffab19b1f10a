// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/view_json.hpp"

#include "web/json.hpp"

namespace lnb::web {
namespace {

void writeShown(Json& json, const ShownControl& shown) {
    json.beginObject()
        .field("text", shown.text)
        .field("fore", shown.fore)
        .field("back", shown.back)
        .field("pointSize", shown.pointSize)
        .field("shown", shown.shown)
        .field("checked", shown.checked)
        .field("tooltip", shown.tooltip)
        .field("description", shown.description)
        .key("menu")
        .beginArray();
    for (const CopyEntry& entry : shown.menu) {
        json.beginObject()
            .field("words", entry.words)
            .field("text", entry.text)
            .field("enabled", entry.enabled)
            .endObject();
    }
    json.endArray().endObject();
}

}  // namespace

std::string viewJson(const View& view) {
    Json json;
    json.beginObject().key("controls").beginArray();
    for (const ShownControl& shown : view.controls) writeShown(json, shown);
    json.endArray()
        .key("window")
        .beginObject()
        .field("text", view.window.text)
        .field("fore", view.window.fore)
        .field("back", view.window.back)
        .endObject()
        .key("selection");
    if (view.selection) {
        json.beginObject()
            .field("field", static_cast<int>(view.selection->field))
            .field("start", view.selection->start)
            .field("length", view.selection->length)
            .endObject();
    } else {
        json.null();
    }
    json.key("pictures").beginArray();
    for (const ShownPicture& picture : view.picturesBottomUp) {
        json.beginObject()
            .field("id", static_cast<int>(picture.id))
            .field("name", picture.name)
            .field("left", double(picture.now.left))
            .field("top", double(picture.now.top))
            .field("width", double(picture.now.width))
            .field("height", double(picture.now.height))
            .endObject();
    }
    json.endArray()
        .key("system")
        .beginObject()
        .field("shadow", view.system.shadow)
        .field("light", view.system.light)
        .field("highlight", view.system.highlight)
        .field("highlightText", view.system.highlightText)
        .endObject();
    return json.endObject().text();
}

}  // namespace lnb::web
