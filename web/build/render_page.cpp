// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the page's window as it first shows, when the page is built: the
// core loads the example figures, once with "." and once with "," as the
// decimal separator, measuring texts in the page's own fonts, and its view
// becomes the markup of index.html and the rules of style.css. Both
// arrangements are of these same elements: the whole window where the screen
// has room for it, one column of the design's blocks where not, chosen by
// the stylesheet alone. The page's script (web/page.js) later takes over
// these elements and paints every view on them; the module first_view.js,
// which the page's script is bundled with, tells it what they show.
//
//     render_page TEMPLATE STYLE OUT_DIR DRAWINGS_DIR FIRST_VIEW_MODULE
//
// TEMPLATE is index.html with %TITLE%, %WINDOW% and the words said where the
// core cannot start (%NO_WEBASSEMBLY%, %FILES_MISSING%) to fill; STYLE the
// page's own stylesheet, to which the window's rules are added; DRAWINGS_DIR
// the pictures' drawings (assets/), which the page holds inline. Texts are
// measured in the page's fonts as the page measures them (web/page_fonts.hpp).
#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "design/presenter.hpp"
#include "design/texts.hpp"
#include "design/web_layout.hpp"
#include "logic/picture_clipping.hpp"
#include "web/json.hpp"
#include "web/page_fonts.hpp"
#include "web/page_json.hpp"

namespace {

using lnb::design::Id;
namespace design = lnb::design;
namespace web = lnb::design::web;

using lnb::web::kPixelsPerPoint;
using lnb::web::kTwipsPerPixel;
constexpr const char* kFontFamily = "\"LNB Sans\"";

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "render_page: %s\n", why.c_str());
    std::exit(1);
}

// ---- files

std::string read(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        fail(std::string("cannot read ") + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void write(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out)
        fail("cannot write " + path);
}

std::string filled(std::string text, std::string_view mark, const std::string& with) {
    for (std::size_t at = text.find(mark); at != std::string::npos;
         at = text.find(mark, at + with.size()))
        text.replace(at, mark.size(), with);
    return text;
}

// ---- numbers and words as the page writes them (web/units.js)

std::string pixels(double twips) {
    return fmt::format("{}px", twips / kTwipsPerPixel);
}

std::string colour(design::Rgb rgb) {
    return fmt::format("#{:06x}", rgb);
}

std::string font(const design::Font& design, double points) {
    return fmt::format("{}{}{}px {}", design.italic ? "italic " : "", design.bold ? "bold " : "",
                       points * kPixelsPerPoint, kFontFamily);
}

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// ---- the window's markup

// The two views of the example, one for each separator: where their words
// differ, both are written, and the stylesheet shows the one of the
// browser's separator (web/startup.js names it).
struct Views {
    const lnb::View& point;
    const lnb::View& comma;

    std::string words(Id id) const { return wordsOf(point[id].text, comma[id].text); }
    std::string description(Id id) const {
        return wordsOf(point[id].description, comma[id].description);
    }
    static std::string wordsOf(const std::string& point, const std::string& comma) {
        if (point == comma)
            return escaped(point);
        return "<span class=\"point\">" + escaped(point) + "</span><span class=\"comma\">" +
               escaped(comma) + "</span>";
    }
};

std::string name(Id id) {
    return std::string(design::control(id).name);
}

bool namesAnInput(Id label) {
    for (const design::Control& control : design::kControls) {
        if (design::isInput(control.id) && design::captionNaming(control.id) == label)
            return true;
    }
    return false;
}

class Markup {
  public:
    // `drawings` is the folder of the pictures' drawings (assets/).
    Markup(const Views& views, std::string drawings)
        : views_(views), drawings_(std::move(drawings)) {}

    void block(const web::Block& block) {
        out_ << "<div class=\"block\" id=\"" << block.name << "\""
             << (web::shows(block, views_.point) ? "" : " hidden") << ">\n";
        for (const Id id : block.controls) control(id);
        if (!block.pictures.empty())
            pictures(block);
        out_ << "</div>\n";
    }

    void control(Id id) {
        const design::Control& control = design::control(id);
        const lnb::ShownControl& shown = views_.point[id];
        std::string attributes = " id=\"" + name(id) + "\"";
        if (const auto naming = design::captionNaming(id);
            naming &&
            !(design::isInput(id) && design::control(*naming).kind == design::Kind::Label))
            attributes += " aria-labelledby=\"" + labelOf(*naming) + "\"";
        if (design::isDescribed(control))
            attributes += " aria-describedby=\"" + name(id) + "-description\"";
        if (design::isDisabled(control))
            attributes += " aria-disabled=\"true\"";
        if (!shown.shown)
            attributes += " hidden";
        if (!shown.tooltip.empty())
            attributes += " title=\"" + escaped(shown.tooltip) + "\"";
        switch (control.kind) {
            case design::Kind::Frame:
                return frame(control, attributes);
            case design::Kind::Label:
                return label(control, attributes);
            case design::Kind::OptionButton:
                return option(control, attributes, shown.checked);
            case design::Kind::TextField:
                return field(control, attributes);
            case design::Kind::Button:
                return button(control, attributes, shown.checked);
        }
    }

    void menuButton() {
        out_ << "<button id=\"menu-button\" class=\"menu-button\" type=\"button\" aria-label=\""
             << escaped(lnb::texts::kResultMenu)
             << "\" aria-haspopup=\"menu\" aria-expanded=\"false\">\u2026</button>\n";
    }

    void descriptions() {
        for (const design::Control& control : design::kControls) {
            if (design::isDescribed(control))
                out_ << "<span id=\"" << control.name << "-description\" class=\"description\">"
                     << views_.description(control.id) << "</span>\n";
        }
    }

    std::string text() const { return out_.str(); }

  private:
    static std::string labelOf(Id naming) {
        return design::control(naming).kind == design::Kind::Frame ? name(naming) + "-caption"
                                                                   : name(naming);
    }

    void frame(const design::Control& control, const std::string& attributes) {
        out_ << "<fieldset class=\"frame\"" << attributes << "><legend id=\"" << control.name
             << "-caption\" class=\"caption\">" << views_.words(control.id)
             << "</legend><div class=\"edge\"></div>\n";
        for (const design::Control& held : design::kControls) {
            if (held.container == control.id && design::isOnPlatform(held, true))
                this->control(held.id);
        }
        out_ << "</fieldset>\n";
    }

    void label(const design::Control& control, const std::string& attributes) {
        const bool names = namesAnInput(control.id);
        std::string classes = "label";
        if (control.flags & design::kCentred)
            classes += " centred";
        if (control.flags & design::kSingleBorder)
            classes += " sunken";
        std::string forField;
        for (const design::Control& field : design::kControls) {
            if (names && design::isInput(field.id) && design::captionNaming(field.id) == control.id)
                forField = " for=\"" + std::string(field.name) + "\"";
        }
        const char* tag = names ? "label" : "div";
        out_ << "<" << tag << " class=\"" << classes << "\"" << forField << attributes << ">"
             << views_.words(control.id) << "</" << tag << ">\n";
    }

    void option(const design::Control& control, const std::string& attributes, bool checked) {
        out_ << "<label class=\"option\"" << attributes
             << "><input type=\"radio\" class=\"circle\" name=\""
             << design::control(control.container).name << "\" tabindex=\"-1\""
             << (design::isDisabled(control) ? " disabled" : "") << (checked ? " checked" : "")
             << "><span class=\"words\">" << views_.words(control.id) << "</span></label>\n";
    }

    void button(const design::Control& control, const std::string& attributes, bool checked) {
        out_ << "<button type=\"button\" class=\"button\"" << attributes;
        if (control.flags & design::kToggle)
            out_ << " aria-pressed=\"" << (checked ? "true" : "false") << "\"";
        out_ << ">" << views_.words(control.id) << "</button>\n";
    }

    void field(const design::Control& control, const std::string& attributes) {
        const std::string& point = views_.point[control.id].text;
        if (point != views_.comma[control.id].text)
            fail(std::string(control.name) + " holds another text with \",\"");
        out_ << "<input class=\"field" << (control.flags & design::kCentred ? " centred" : "")
             << "\" type=\"text\" value=\"" << escaped(point)
             << "\" autocomplete=\"off\" spellcheck=\"false\"";
        if (design::isInput(control.id))
            out_ << " inputmode=\"decimal\" maxlength=\"" << design::kLongestInput << "\"";
        else
            out_ << " readonly tabindex=\"-1\"";
        out_ << attributes << ">\n";
        if (control.flags & design::kOwnMenu)
            menuButton();
    }

    void pictures(const web::Block& block) {
        out_ << "<div class=\"pictures\" aria-hidden=\"true\">\n";
        for (const lnb::ShownPicture& picture : views_.point.picturesBottomUp) {
            if (std::find(block.pictures.begin(), block.pictures.end(), picture.id) ==
                block.pictures.end())
                continue;
            out_ << drawing(picture, picture.shown && drawn(picture.now)) << "<canvas id=\""
                 << picture.name << "-magnified\" class=\"magnified\" hidden></canvas>\n";
        }
        out_ << "</div>\n";
    }

    // A picture's drawing, in the page itself: no request and no document of
    // its own for the browser to load. Its root element takes the picture's
    // name and leaves its size to the stylesheet.
    std::string drawing(const lnb::ShownPicture& picture, bool shown) const {
        const std::string svg =
            read((drawings_ + "/" + std::string(picture.drawing) + ".svg").c_str());
        const std::size_t start = svg.find("<svg");
        const std::size_t open = svg.find('>', start);
        const std::size_t end = svg.rfind("</svg>");
        if (start == std::string::npos || open == std::string::npos || end == std::string::npos)
            fail(std::string(picture.drawing) + ".svg holds no svg element");
        std::string tag = svg.substr(start, open - start);
        for (const char* attribute : {" width=\"", " height=\""}) {
            const std::size_t at = tag.find(attribute);
            if (at != std::string::npos)
                tag.erase(at, tag.find('"', at + std::strlen(attribute)) + 1 - at);
        }
        return tag + " id=\"" + std::string(picture.name) + "\" class=\"picture\"" +
               (shown ? "" : " hidden") + svg.substr(open, end + 6 - open);
    }

    static bool drawn(const lnb::Rect& rect) {
        return lnb::clipping::wholeLength(rect.left, rect.width, 1) > 0 &&
               lnb::clipping::wholeLength(rect.top, rect.height, 1) > 0;
    }

    const Views& views_;
    std::string drawings_;
    std::ostringstream out_;
};

// What the page's script needs to take the window over: the design's facts,
// and the views it shows now, one for each separator. A module of the
// script's own, so that nothing more is asked for as the page starts; its
// JSON is read as the core's answers are, through JSON.parse.
std::string firstViewModule(const Views& views, const lnb::Kept& kept) {
    const std::string json = "{\"design\":" + lnb::web::designJson() +
                             ",\"views\":{\".\":" + lnb::web::viewJson(views.point, kept) +
                             ",\",\":" + lnb::web::viewJson(views.comma, kept) + "}}";
    return "// The design's facts and the window as it first shows, drawn by\n"
           "// web/build/render_page.cpp when the page was built.\n"
           "export const firstView = JSON.parse(" +
           lnb::web::Json().value(json).text() + ");\n";
}

std::string windowMarkup(const Views& views, const char* drawings) {
    Markup markup(views, drawings);
    std::string out = "<div id=\"" + std::string(design::kFrmMain.name) + "\" class=\"window\">\n";
    for (const web::Block& block : web::kColumn) markup.block(block);
    // The controls of no block never show (the work fields): the page has
    // none of them.
    markup.descriptions();
    return out + markup.text() + "</div>";
}

// ---- the window's rules

class Rules {
  public:
    void rule(const std::string& selector, const std::string& declarations) {
        out_ << selector << " { " << declarations << " }\n";
    }
    std::string text() const { return out_.str(); }

  private:
    std::ostringstream out_;
};

std::string place(int left, int top, int width, int height) {
    return "left: " + pixels(left) + "; top: " + pixels(top) + "; width: " + pixels(width) +
           "; height: " + pixels(height) + ";";
}

const web::Block* blockHolding(Id id) {
    for (const web::Block& block : web::kColumn) {
        if (std::find(block.controls.begin(), block.controls.end(), id) != block.controls.end())
            return &block;
    }
    return nullptr;
}

// Where a control stands in its container: a frame, a block, or the window.
std::string placeOf(const design::Control& control, web::Arrangement arrangement) {
    if (control.container != Id::frmMain)
        return place(control.left, control.top, control.width, control.height);
    const web::Block* block = blockHolding(control.id);
    const web::Area area = block ? web::areaOf(*block, arrangement) : web::Area{0, 0, 0, 0};
    return place(control.left - area.left, control.top - area.top, control.width, control.height);
}

// What the view decides of a control, as the page's script writes it.
std::string looks(const design::Control& control, const lnb::ShownControl& shown) {
    std::string out =
        " font: " + font(control.font, shown.pointSize) + "; color: " + colour(shown.fore) + ";";
    if (!(control.flags & design::kTransparent))
        out += " background-color: " + colour(shown.back) + ";";
    return out;
}

// As web/units.js's toPercent, with its margin over the browser's rounding.
std::string percentOf(double part, double whole) {
    constexpr double roundingMargin = 1e-4;
    return fmt::format("{}%", part / whole * 100 + roundingMargin);
}

void windowRules(Rules& rules, const lnb::View& view) {
    rules.rule(":root", "--window: " + colour(view.window.back) + "; --text: " +
                            colour(view.window.fore) + "; --shadow: " + colour(view.system.shadow) +
                            "; --light: " + colour(view.system.light) +
                            "; --highlight: " + colour(view.system.highlight) +
                            "; --highlight-text: " + colour(view.system.highlightText) +
                            "; --margin: " + pixels(web::margin()) + ";");
    for (const bool panel : {false, true}) {
        const design::Size size = design::clientSize(panel);
        rules.rule(panel ? ".panel-shown .window" : ".window",
                   "width: " + pixels(size.width) + "; height: " + pixels(size.height) + ";");
    }
    // The panel opens to the right: the window stays where it was centred,
    // moving left only as far as the panel needs.
    rules.rule(".panel-shown .window",
               "margin-left: max(0px, min(calc((100% - " + pixels(design::clientSize(false).width) +
                   ") / 2), calc(100% - " + pixels(design::clientSize(true).width) + ")));");
    rules.rule(".frame > .caption", "left: " + pixels(design::kFrameCaptionIndent) +
                                        "; padding: 0 " + pixels(design::kFrameCaptionPadding) +
                                        ";");
    rules.rule(".field", "padding-inline: calc(" + pixels(design::kTextFieldInset) + " - 2px);");
    // Where the calculator cannot start, said as the window says a message.
    rules.rule(".no-core", "color: " + colour(view[Id::lblAviso].fore) + ";");
    // The window's own labels lie under the rest, the pictures under them.
    int layer = static_cast<int>(view.picturesBottomUp.size());
    for (auto label = design::kLabelsTopDown.rbegin(); label != design::kLabelsTopDown.rend();
         ++label)
        rules.rule("#" + name(*label), "z-index: " + std::to_string(++layer) + ";");
    int picture = 0;
    for (const lnb::ShownPicture& shown : view.picturesBottomUp) {
        ++picture;
        rules.rule("#" + std::string(shown.name) + ", #" + std::string(shown.name) + "-magnified",
                   "z-index: " + std::to_string(picture) + ";");
    }

    for (const web::Block& block : web::kColumn) {
        const web::Area area = web::areaOf(block, web::Arrangement::Window);
        rules.rule("#" + std::string(block.name),
                   place(area.left, area.top, area.width, area.height));
        if (!block.pictures.empty())  // a magnified picture is drawn over the whole window
            rules.rule("#" + std::string(block.name) + " .magnified",
                       "left: " + percentOf(-area.left, area.width) +
                           "; top: " + percentOf(-area.top, area.height) +
                           "; width: " + percentOf(design::kFrmMain.clientWidth, area.width) +
                           "; height: " + percentOf(design::kFrmMain.clientHeight, area.height) +
                           ";");
        for (const lnb::ShownPicture& shown : view.picturesBottomUp) {
            if (std::find(block.pictures.begin(), block.pictures.end(), shown.id) ==
                block.pictures.end())
                continue;
            rules.rule("#" + std::string(shown.name),
                       "left: " + percentOf(shown.now.left - area.left, area.width) +
                           "; top: " + percentOf(shown.now.top - area.top, area.height) +
                           "; width: " + percentOf(shown.now.width, area.width) +
                           "; height: " + percentOf(shown.now.height, area.height) + ";");
        }
    }
    for (const design::Control& control : design::kControls) {
        if (!design::isOnPlatform(control, true))
            continue;
        rules.rule("#" + name(control.id),
                   placeOf(control, web::Arrangement::Window) + looks(control, view[control.id]));
        if (control.kind == design::Kind::Frame)
            rules.rule("#" + name(control.id) + "-caption",
                       "background-color: " + colour(view[control.id].back) + ";");
    }
    const web::Area button = web::menuButton(web::Arrangement::Window);
    const web::Area result = web::areaOf(*blockHolding(Id::txtDistancia), web::Arrangement::Window);
    rules.rule("#menu-button", place(button.left - result.left, button.top - result.top,
                                     button.width, button.height));
}

// Narrower than the whole window and its margins: one column of blocks, in
// the order of the design's column, the blocks of drawings as wide as the
// column lets them be, their pictures (placed in hundredths of their block)
// drawn smaller with them. With the pointing panel shown, the window needs
// room for it beside it too: where the screen has less, the same column,
// the panel a block of it. `within` prefixes every selector.
std::string columnRules(const std::string& within) {
    Rules column;
    column.rule(within + ".window",
                "width: auto; height: auto; display: flex; flex-direction: column; "
                "align-items: flex-start; gap: " +
                    pixels(web::gap()) + "; overflow: visible;");
    column.rule(within + ".block", "position: relative; flex: none; overflow: hidden;");

    for (const web::Block& block : web::kColumn) {
        const std::string id = within + "#" + std::string(block.name);
        const web::Area area = web::areaOf(block, web::Arrangement::Column);
        if (!block.pictures.empty())
            column.rule(id + " .magnified", "left: 0; top: 0; width: 100%; height: 100%;");
        const std::string size =
            web::scales(block)
                ? "width: min(" + pixels(area.width) +
                      ", 100%); height: auto; "
                      "aspect-ratio: " +
                      std::to_string(area.width) + " / " + std::to_string(area.height) + ";"
                : "width: " + pixels(area.width) + "; height: " + pixels(area.height) + ";";
        column.rule(id, "left: auto; top: auto; " + size);
        for (const Id held : block.controls) {
            const std::string window = placeOf(design::control(held), web::Arrangement::Window);
            const std::string inColumn = placeOf(design::control(held), web::Arrangement::Column);
            if (inColumn != window)
                column.rule(within + "#" + name(held), inColumn);
        }
    }
    const web::Area button = web::menuButton(web::Arrangement::Column);
    const web::Area result = web::areaOf(*blockHolding(Id::txtDistancia), web::Arrangement::Column);
    column.rule(within + "#menu-button", place(button.left - result.left, button.top - result.top,
                                               button.width, button.height));
    return column.text();
}

void columnRules(Rules& rules) {
    for (const bool panel : {false, true}) {
        // Up to a fiftieth of a pixel short of the whole window: zoomed pages
        // have widths between whole pixels.
        rules.rule(fmt::format("@media (max-width: {}px)",
                               web::wholeWindowWidth(panel) / kTwipsPerPixel - 0.02),
                   columnRules(panel ? ".panel-shown " : ""));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 6) {
        std::fputs("usage: render_page TEMPLATE STYLE OUT_DIR DRAWINGS_DIR FIRST_VIEW_MODULE\n",
                   stderr);
        return 2;
    }
    const lnb::web::PageFonts measure;
    lnb::Presenter point(".", measure);
    lnb::Presenter comma(",", measure);
    const Views views{point.load(), comma.load()};
    std::string page = filled(read(argv[1]), "%TITLE%", escaped(views.point.window.text));
    page = filled(page, "%PANEL_KEPT_AS%", escaped(lnb::kKeptNames[0]));
    page = filled(page, "%WINDOW%", windowMarkup(views, argv[4]));
    page = filled(page, "%NO_WEBASSEMBLY%", escaped(lnb::texts::kNoWebAssembly));
    page = filled(page, "%FILES_MISSING%", escaped(lnb::texts::kPageFilesMissing));
    Rules rules;
    windowRules(rules, views.point);
    columnRules(rules);
    const std::string out = argv[3];
    write(out + "/index.html", page);
    write(argv[5], firstViewModule(views, point.kept()));
    write(
        out + "/style.css",
        read(argv[2]) + "\n/* The window, drawn by web/build/render_page.cpp */\n" + rules.text());
    return 0;
}
