// SPDX-License-Identifier: GPL-3.0-or-later
// The core as the page sees it: a presenter whose views come out as JSON
// (one crossing into JavaScript, which parses it at once), the design table
// and the page's arrangement, and the clipping of stretched pictures. No
// exception crosses into JavaScript: the core throws none and is built
// without them.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

#include "design/presenter.hpp"
#include "design/texts.hpp"
#include "design/web_layout.hpp"
#include "logic/numeric_text.hpp"
#include "logic/picture_clipping.hpp"

namespace {

using emscripten::val;
using lnb::design::Id;

// A JSON text written field by field.
class Json {
  public:
    Json& open() { return separate().put('{'); }
    Json& close() {
        text_ += '}';
        first_ = false;
        return *this;
    }
    Json& openArray() { return separate().put('['); }
    Json& closeArray() {
        text_ += ']';
        first_ = false;
        return *this;
    }
    Json& key(std::string_view name) {
        separate().string(name);
        text_ += ':';
        first_ = true;
        return *this;
    }
    Json& value(std::string_view text) { return separate().string(text); }
    Json& value(const char* text) { return value(std::string_view(text)); }
    Json& value(bool yes) { return separate().append(yes ? "true" : "false"); }
    // As the program writes numbers: exactly enough digits, no locale.
    Json& value(double number) { return separate().append(lnb::numeric_text::write(number, ".")); }
    Json& value(int number) { return separate().append(std::to_string(number)); }
    Json& value(unsigned number) { return separate().append(std::to_string(number)); }
    Json& null() { return separate().append("null"); }
    template <typename Value>
    Json& field(std::string_view name, const Value& v) {
        return key(name).value(v);
    }
    std::string take() { return std::move(text_); }

  private:
    Json& put(char c) {
        text_ += c;
        first_ = true;
        return *this;
    }
    Json& append(std::string_view text) {
        text_ += text;
        first_ = false;
        return *this;
    }
    Json& separate() {
        if (!first_)
            text_ += ',';
        first_ = true;
        return *this;
    }
    Json& string(std::string_view text) {
        text_ += '"';
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                text_ += '\\';
                text_ += c;
            } else if (byte < 0x20) {
                constexpr char kHex[] = "0123456789abcdef";
                text_ += "\\u00";
                text_ += kHex[byte >> 4];
                text_ += kHex[byte & 0xF];
            } else {
                text_ += c;
            }
        }
        text_ += '"';
        first_ = false;
        return *this;
    }

    std::string text_;
    bool first_ = true;
};

template <typename Number>
void numbers(Json& json, std::string_view name, std::span<const Number> values) {
    json.key(name).openArray();
    for (const Number value : values) json.value(static_cast<int>(value));
    json.closeArray();
}

// Text widths as the page draws them: a JavaScript function of the text, the
// font (bold, italic, points) that gives the width in twips.
class PageMeasure : public lnb::TextMeasure {
  public:
    explicit PageMeasure(val measure) : measure_(std::move(measure)) {}
    double widthInTwips(std::string_view text, const lnb::design::Font& font,
                        double pointSize) const override {
        return measure_(std::string(text), font.bold, font.italic, pointSize).as<double>();
    }

  private:
    val measure_;
};

void write(Json& json, const lnb::ShownControl& shown) {
    json.open()
        .field("text", shown.text)
        .field("fore", shown.fore)
        .field("back", shown.back)
        .field("pointSize", shown.pointSize)
        .field("shown", shown.shown)
        .field("checked", shown.checked)
        .field("tooltip", shown.tooltip)
        .field("description", shown.description);
    json.key("menu").openArray();
    for (const lnb::CopyEntry& entry : shown.menu) {
        json.open()
            .field("words", entry.words)
            .field("text", entry.text)
            .field("enabled", entry.enabled)
            .close();
    }
    json.closeArray().close();
}

std::string toJson(const lnb::View& view) {
    Json json;
    json.open().key("controls").openArray();
    for (const lnb::ShownControl& shown : view.controls) write(json, shown);
    json.closeArray().key("window");
    write(json, view.window);
    json.key("selection");
    if (view.selection) {
        json.open()
            .field("field", static_cast<int>(view.selection->field))
            .field("start", view.selection->start)
            .field("length", view.selection->length)
            .close();
    } else {
        json.null();
    }
    json.key("picturesBottomUp").openArray();
    for (const lnb::ShownPicture& picture : view.picturesBottomUp) {
        json.open()
            .field("id", static_cast<int>(picture.id))
            .field("name", picture.name)
            .field("left", double(picture.now.left))
            .field("top", double(picture.now.top))
            .field("width", double(picture.now.width))
            .field("height", double(picture.now.height))
            .close();
    }
    json.closeArray().key("system").open();
    json.field("window", view.system.window)
        .field("windowText", view.system.windowText)
        .field("grayText", view.system.grayText)
        .field("shadow", view.system.shadow)
        .field("light", view.system.light)
        .field("highlight", view.system.highlight)
        .field("highlightText", view.system.highlightText)
        .close();
    return json.close().take();
}

std::string toJson(const lnb::Insertion& insertion) {
    Json json;
    return json.open()
        .field("start", insertion.start)
        .field("length", insertion.length)
        .field("text", insertion.text)
        .field("caret", insertion.caret)
        .close()
        .take();
}

// The window's core for the page: what the user did, and the view after it.
class Page {
  public:
    Page(std::string decimalSeparator, val measure)
        : measure_(std::move(measure)), presenter_(std::move(decimalSeparator), measure_) {}

    std::string view() const { return toJson(presenter_.view()); }
    std::string load() { return toJson(presenter_.load()); }
    std::string type(int input, const std::string& text) {
        return toJson(presenter_.type(static_cast<lnb::Input>(input), text));
    }
    std::string enter(int input, int caret, bool byClick) {
        return toJson(presenter_.enter(static_cast<lnb::Input>(input), caret,
                                       byClick ? lnb::Entry::Click : lnb::Entry::Keyboard));
    }
    std::string paste(int input, int start, int length, const std::string& pasted) const {
        return toJson(presenter_.paste(static_cast<lnb::Input>(input), start, length, pasted));
    }
    std::string keypadDecimal(int input, int start, int length) const {
        return toJson(presenter_.keypadDecimal(static_cast<lnb::Input>(input), start, length));
    }

  private:
    PageMeasure measure_;
    lnb::Presenter presenter_;
};

void area(Json& json, std::string_view name, const lnb::design::web::Area& area) {
    json.key(name)
        .open()
        .field("left", area.left)
        .field("top", area.top)
        .field("width", area.width)
        .field("height", area.height)
        .close();
}

void control(Json& json, const lnb::design::Control& control) {
    constexpr const char* kKinds[] = {"frame", "label", "textField", "option"};
    const auto place = lnb::design::placeInWindow(control);
    json.open()
        .field("id", static_cast<int>(control.id))
        .field("name", control.name)
        .field("kind", kKinds[static_cast<int>(control.kind)]);
    json.key("container");
    if (control.container == Id::frmMain)
        json.null();
    else
        json.value(static_cast<int>(control.container));
    area(json, "inWindow", {place.left, place.top, control.width, control.height});
    area(json, "inContainer", {control.left, control.top, control.width, control.height});
    json.field("bold", control.font.bold)
        .field("italic", control.font.italic)
        .field("disabled", lnb::design::isDisabled(control))
        .field("transparent", (control.flags & lnb::design::kTransparent) != 0)
        .field("singleBorder", (control.flags & lnb::design::kSingleBorder) != 0)
        .field("centred", (control.flags & lnb::design::kCentred) != 0);
    json.key("input");
    if (const auto input = lnb::design::inputOf(control.id))
        json.value(static_cast<int>(*input));
    else
        json.null();
    json.key("namedBy");
    if (const auto naming = lnb::design::captionNaming(control.id))
        json.value(static_cast<int>(*naming));
    else
        json.null();
    json.close();
}

// The design table and what the page adds to it, in twips.
std::string design() {
    namespace design = lnb::design;
    Json json;
    json.open().key("controls").openArray();
    for (const design::Control& row : design::kControls) control(json, row);
    json.closeArray()
        .field("resultMenu", lnb::texts::kResultMenu)
        .field("clientWidth", design::kFrmMain.clientWidth)
        .field("clientHeight", design::kFrmMain.clientHeight)
        .field("longestInput", design::kLongestInput)
        .field("textFieldInset", design::kTextFieldInset)
        .field("frameCaptionIndent", design::kFrameCaptionIndent)
        .field("frameCaptionPadding", design::kFrameCaptionPadding)
        .field("gap", design::web::kGap)
        .field("margin", design::web::kMargin);
    numbers<Id>(json, "labelsTopDown", design::kLabelsTopDown);
    area(json, "menuButton", design::web::kMenuButton);
    json.key("column").openArray();
    for (const design::web::Block& block : design::web::kColumn) {
        json.open().field("name", block.name);
        area(json, "area", design::web::areaOf(block));
        numbers<Id>(json, "controls", block.controls);
        numbers<lnb::PictureId>(json, "pictures", block.pictures);
        json.close();
    }
    return json.closeArray().close().take();
}

// Where a stretched picture meets the visible part, along one axis (device
// pixels): the source pixels drawn over each target stretch, as a flat list
// of four numbers a stretch (source start and length, target start and
// length).
val spans(double targetStart, double targetLength, int sourceSize, int visibleStart,
          int visibleEnd) {
    val out = val::array();
    for (const auto& span : lnb::clipping::visibleSpans(targetStart, targetLength, sourceSize,
                                                        visibleStart, visibleEnd)) {
        out.call<void>("push", span.sourceStart, span.sourceLength, span.targetStart,
                       span.targetLength);
    }
    return out;
}

int wholeLength(double targetStart, double targetLength, int cap) {
    return lnb::clipping::wholeLength(targetStart, targetLength, cap);
}

}  // namespace

EMSCRIPTEN_BINDINGS(distancia_lnb) {
    emscripten::class_<Page>("Page")
        .constructor<std::string, val>()
        .function("view", &Page::view)
        .function("load", &Page::load)
        .function("type", &Page::type)
        .function("enter", &Page::enter)
        .function("paste", &Page::paste)
        .function("keypadDecimal", &Page::keypadDecimal);
    emscripten::function("design", &design);
    emscripten::function("spans", &spans);
    emscripten::function("wholeLength", &wholeLength);
}
