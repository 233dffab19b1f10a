// SPDX-License-Identifier: GPL-3.0-or-later
// The core as the page sees it: a presenter whose views come out as plain
// JavaScript objects, the design table and the page's arrangement, and the
// clipping of stretched pictures. No exception crosses into JavaScript: the
// core throws none and is built without them.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

#include "design/presenter.hpp"
#include "design/texts.hpp"
#include "design/web_layout.hpp"
#include "logic/picture_clipping.hpp"

namespace {

using emscripten::val;
using lnb::design::Id;

template <typename Number>
val array(std::span<const Number> values) {
    val out = val::array();
    for (const Number value : values) out.call<void>("push", static_cast<int>(value));
    return out;
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

val toJs(const lnb::ShownControl& shown) {
    val out = val::object();
    out.set("text", shown.text);
    out.set("fore", shown.fore);
    out.set("back", shown.back);
    out.set("pointSize", shown.pointSize);
    out.set("shown", shown.shown);
    out.set("checked", shown.checked);
    out.set("tooltip", shown.tooltip);
    out.set("description", shown.description);
    val menu = val::array();
    for (const lnb::CopyEntry& entry : shown.menu) {
        val item = val::object();
        item.set("words", entry.words);
        item.set("text", entry.text);
        item.set("enabled", entry.enabled);
        menu.call<void>("push", item);
    }
    out.set("menu", menu);
    return out;
}

val toJs(const lnb::View& view) {
    val out = val::object();
    val controls = val::array();
    for (const lnb::ShownControl& shown : view.controls) controls.call<void>("push", toJs(shown));
    out.set("controls", controls);
    out.set("window", toJs(view.window));
    if (view.selection) {
        val selection = val::object();
        selection.set("field", static_cast<int>(view.selection->field));
        selection.set("start", view.selection->start);
        selection.set("length", view.selection->length);
        out.set("selection", selection);
    } else {
        out.set("selection", val::null());
    }
    val pictures = val::array();
    for (const lnb::ShownPicture& picture : view.picturesBottomUp) {
        val shown = val::object();
        shown.set("id", static_cast<int>(picture.id));
        shown.set("name", std::string(picture.name));
        shown.set("left", picture.now.left);
        shown.set("top", picture.now.top);
        shown.set("width", picture.now.width);
        shown.set("height", picture.now.height);
        pictures.call<void>("push", shown);
    }
    out.set("picturesBottomUp", pictures);
    val system = val::object();
    system.set("window", view.system.window);
    system.set("windowText", view.system.windowText);
    system.set("shadow", view.system.shadow);
    system.set("light", view.system.light);
    system.set("grayText", view.system.grayText);
    system.set("highlight", view.system.highlight);
    system.set("highlightText", view.system.highlightText);
    out.set("system", system);
    return out;
}

val toJs(const lnb::Insertion& insertion) {
    val out = val::object();
    out.set("start", insertion.start);
    out.set("length", insertion.length);
    out.set("text", insertion.text);
    out.set("caret", insertion.caret);
    return out;
}

// The window's core for the page: what the user did, and the view after it.
class Page {
  public:
    Page(std::string decimalSeparator, val measure)
        : measure_(std::move(measure)), presenter_(std::move(decimalSeparator), measure_) {}

    val view() const { return toJs(presenter_.view()); }
    val load() { return toJs(presenter_.load()); }
    val type(int input, const std::string& text) {
        return toJs(presenter_.type(static_cast<lnb::Input>(input), text));
    }
    val enter(int input, int caret, bool byClick) {
        return toJs(presenter_.enter(static_cast<lnb::Input>(input), caret,
                                     byClick ? lnb::Entry::Click : lnb::Entry::Keyboard));
    }
    val paste(int input, int start, int length, const std::string& pasted) const {
        return toJs(presenter_.paste(static_cast<lnb::Input>(input), start, length, pasted));
    }
    val keypadDecimal(int input, int start, int length) const {
        return toJs(presenter_.keypadDecimal(static_cast<lnb::Input>(input), start, length));
    }

  private:
    PageMeasure measure_;
    lnb::Presenter presenter_;
};

val area(const lnb::design::web::Area& area) {
    val out = val::object();
    out.set("left", area.left);
    out.set("top", area.top);
    out.set("width", area.width);
    out.set("height", area.height);
    return out;
}

val control(const lnb::design::Control& control) {
    val out = val::object();
    out.set("id", static_cast<int>(control.id));
    out.set("name", std::string(control.name));
    constexpr const char* kKinds[] = {"frame", "label", "textField", "option"};
    out.set("kind", std::string(kKinds[static_cast<int>(control.kind)]));
    out.set("container", control.container == Id::frmMain
                             ? val::null()
                             : val(static_cast<int>(control.container)));
    const auto place = lnb::design::placeInWindow(control);
    out.set("inWindow", area({place.left, place.top, control.width, control.height}));
    out.set("inContainer", area({control.left, control.top, control.width, control.height}));
    out.set("bold", control.font.bold);
    out.set("italic", control.font.italic);
    out.set("disabled", lnb::design::isDisabled(control));
    out.set("transparent", (control.flags & lnb::design::kTransparent) != 0);
    out.set("singleBorder", (control.flags & lnb::design::kSingleBorder) != 0);
    out.set("centred", (control.flags & lnb::design::kCentred) != 0);
    const auto input = lnb::design::inputOf(control.id);
    out.set("input", input ? val(static_cast<int>(*input)) : val::null());
    const auto naming = lnb::design::captionNaming(control.id);
    out.set("namedBy", naming ? val(static_cast<int>(*naming)) : val::null());
    return out;
}

// The design table and what the page adds to it, in twips.
val design() {
    namespace design = lnb::design;
    val out = val::object();
    val controls = val::array();
    for (const design::Control& row : design::kControls) controls.call<void>("push", control(row));
    out.set("controls", controls);
    out.set("resultMenu", std::string(lnb::texts::kResultMenu));
    out.set("clientWidth", design::kFrmMain.clientWidth);
    out.set("clientHeight", design::kFrmMain.clientHeight);
    out.set("labelsTopDown", array<Id>(design::kLabelsTopDown));
    out.set("longestInput", design::kLongestInput);
    out.set("textFieldInset", design::kTextFieldInset);
    out.set("frameCaptionIndent", design::kFrameCaptionIndent);
    out.set("frameCaptionPadding", design::kFrameCaptionPadding);
    out.set("menuButton", area(design::web::kMenuButton));
    out.set("gap", design::web::kGap);
    out.set("margin", design::web::kMargin);
    val column = val::array();
    for (const design::web::Block& block : design::web::kColumn) {
        val shown = val::object();
        shown.set("name", std::string(block.name));
        shown.set("area", area(block.area));
        shown.set("controls", array<Id>(block.controls));
        shown.set("pictures", array<lnb::PictureId>(block.pictures));
        column.call<void>("push", shown);
    }
    out.set("column", column);
    return out;
}

// Where a stretched picture meets the visible part, along one axis (device
// pixels): the source pixels drawn over each target stretch.
val spans(double targetStart, double targetLength, int sourceSize, int visibleStart,
          int visibleEnd) {
    val out = val::array();
    for (const auto& span : lnb::clipping::visibleSpans(targetStart, targetLength, sourceSize,
                                                        visibleStart, visibleEnd)) {
        val shown = val::object();
        shown.set("sourceStart", span.sourceStart);
        shown.set("sourceLength", span.sourceLength);
        shown.set("targetStart", span.targetStart);
        shown.set("targetLength", span.targetLength);
        out.call<void>("push", shown);
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
