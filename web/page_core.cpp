// SPDX-License-Identifier: GPL-3.0-or-later
// The core as the page's script calls it: plain functions of WebAssembly,
// whose answers are JSON texts (one crossing each, parsed at once) with the
// objects and fields web/contract.json names, and nothing else. Texts cross
// as UTF-8 in the module's memory; an answer stays valid until the next
// call. No exception crosses: the core throws none and is built without
// them.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "design/presenter.hpp"
#include "logic/picture_clipping.hpp"
#include "web/json.hpp"
#include "web/page_fonts.hpp"
#include "web/page_json.hpp"

namespace {

using lnb::web::Json;
namespace design = lnb::design;

std::string insertionJson(const lnb::Insertion& insertion) {
    return Json()
        .beginObject()
        .field("start", insertion.start)
        .field("length", insertion.length)
        .field("text", insertion.text)
        .field("caret", insertion.caret)
        .endObject()
        .text();
}

const lnb::web::PageFonts measure;  // texts measured as the browser draws them
std::unique_ptr<lnb::Presenter> presenter;
std::string answer;      // the last answer, read by the script before the next call
std::vector<int> spans;  // the same, for the clipping

const char* answerWith(std::string text) {
    answer = std::move(text);
    return answer.c_str();
}

lnb::Input inputOf(int index) {
    return static_cast<lnb::Input>(index);
}

const char* viewAnswer(const lnb::View& view) {
    return answerWith(lnb::web::viewJson(view, presenter->kept()));
}

}  // namespace

extern "C" {

// The page's window made, figures read and written with `separator`; then
// given what the page kept from its last visit, name by name; then loaded.
__attribute__((export_name("create"))) void create(const char* separator, std::size_t length) {
    presenter = std::make_unique<lnb::Presenter>(std::string(separator, length), measure);
}

__attribute__((export_name("restore"))) void restore(const char* name, std::size_t nameLength,
                                                     const char* value, std::size_t valueLength) {
    presenter->restore(std::string_view(name, nameLength), std::string_view(value, valueLength));
}

__attribute__((export_name("load"))) const char* load() {
    return viewAnswer(presenter->load());
}

__attribute__((export_name("type"))) const char* type(int input, const char* text,
                                                      std::size_t length) {
    return viewAnswer(presenter->type(inputOf(input), std::string_view(text, length)));
}

__attribute__((export_name("enter"))) const char* enter(int input, int caret, int byClick) {
    const auto entry = byClick ? lnb::Entry::Click : lnb::Entry::Keyboard;
    return viewAnswer(presenter->enter(inputOf(input), caret, entry));
}

__attribute__((export_name("togglePanel"))) const char* togglePanel() {
    return viewAnswer(presenter->togglePanel());
}

// The browser's place, in degrees north and east; or why it gave none (the
// number of a texts::LocationFailure).
__attribute__((export_name("useLocation"))) const char* useLocation(double latitude,
                                                                    double longitude) {
    return viewAnswer(presenter->useLocation(latitude, longitude));
}

__attribute__((export_name("locationFailed"))) const char* locationFailed(int failure) {
    const auto why = failure == 0   ? lnb::texts::LocationFailure::Refused
                     : failure == 1 ? lnb::texts::LocationFailure::Unavailable
                                    : lnb::texts::LocationFailure::Unsupported;
    return viewAnswer(presenter->locationFailed(why));
}

__attribute__((export_name("paste"))) const char* paste(int input, int start, int length,
                                                        const char* text, std::size_t textLength) {
    return answerWith(insertionJson(
        presenter->paste(inputOf(input), start, length, std::string_view(text, textLength))));
}

__attribute__((export_name("keypadDecimal"))) const char* keypadDecimal(int input, int start,
                                                                        int length) {
    return answerWith(insertionJson(presenter->keypadDecimal(inputOf(input), start, length)));
}

// Where a stretched picture meets the visible part, along one axis (device
// pixels): how many spans, then four numbers a span (source start and
// length, target start and length).
__attribute__((export_name("spans"))) const int* visibleSpans(double targetStart,
                                                              double targetLength, int sourceSize,
                                                              int visibleStart, int visibleEnd) {
    spans.assign(1, 0);
    for (const auto& span : lnb::clipping::visibleSpans(targetStart, targetLength, sourceSize,
                                                        visibleStart, visibleEnd)) {
        spans.insert(spans.end(),
                     {span.sourceStart, span.sourceLength, span.targetStart, span.targetLength});
        ++spans.front();
    }
    return spans.data();
}

__attribute__((export_name("wholeLength"))) int wholeLength(double targetStart, double targetLength,
                                                            int cap) {
    return lnb::clipping::wholeLength(targetStart, targetLength, cap);
}

}  // extern "C"
