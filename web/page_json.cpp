// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_json.hpp"

#include "design/web_layout.hpp"

#include <iterator>

#include "web/json.hpp"

namespace lnb::web {
namespace {

constexpr const char* kKinds[] = {"frame", "label", "textField", "option", "button"};
static_assert(std::size(kKinds) == static_cast<std::size_t>(design::Kind::Button) + 1);

void writeArea(Json& json, std::string_view name, const design::web::Area& area) {
    json.key(name)
        .beginObject()
        .field("left", area.left)
        .field("top", area.top)
        .field("width", area.width)
        .field("height", area.height)
        .endObject();
}

void writeControl(Json& json, const design::Control& control) {
    json.beginObject()
        .field("name", control.name)
        .field("kind", kKinds[static_cast<int>(control.kind)])
        .key("input");
    if (const auto input = design::inputOf(control.id))
        json.value(static_cast<int>(*input));
    else
        json.null();
    json.field("bold", control.font.bold)
        .field("italic", control.font.italic)
        .field("transparent", (control.flags & design::kTransparent) != 0)
        .field("ownMenu", (control.flags & design::kOwnMenu) != 0)
        .field("toggle", (control.flags & design::kToggle) != 0)
        .endObject();
}

template <typename Id>
void writeIds(Json& json, std::string_view name, std::span<const Id> ids) {
    json.key(name).beginArray();
    for (const Id id : ids) json.value(static_cast<int>(id));
    json.endArray();
}

}  // namespace

std::string designJson() {
    Json json;
    json.beginObject().key("controls").beginArray();
    for (const design::Control& control : design::kControls) writeControl(json, control);
    json.endArray().key("blocks").beginArray();
    for (const design::web::Block& block : design::web::kColumn) {
        json.beginObject().field("name", block.name);
        writeIds(json, "controls", block.controls);
        writeIds(json, "pictures", block.pictures);
        writeArea(json, "area", design::web::areaOf(block, design::web::Arrangement::Window));
        json.endObject();
    }
    return json.endArray().endObject().text();
}

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

std::string viewJson(const View& view, const Kept& kept) {
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
        .field("grown", view.clientSize != design::clientSize(false))
        .key("blocksShown")
        .beginArray();
    for (const design::web::Block& block : design::web::kColumn)
        json.value(design::web::shows(block, view));
    json.endArray().key("selection");
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
            .field("drawing", picture.drawing)
            .field("shown", picture.shown)
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
        .endObject()
        .key("kept")
        .beginObject();
    for (const auto& [name, value] : kept) json.field(name, value);
    json.endObject();
    return json.endObject().text();
}

}  // namespace lnb::web
