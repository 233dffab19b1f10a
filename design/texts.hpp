// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "design/build_config.hpp"
#include "logic/degrees.hpp"
#include "logic/panel.hpp"
#include "logic/status.hpp"

// Everything the windows say in words of their own, in Spanish. The captions
// of the design's controls are in the design table.
namespace lnb::texts {

// The line under the result for a status: why the result is not current, or
// nothing (a current result, a figure being typed). `separator` is the
// locale's decimal separator, here and below.
std::string statusLine(const Status& status, std::string_view separator);

// The dish sheet as its frame shows it: the caption, and up to three lines
// (empty where there are fewer), in the locale's notation.
struct SheetText {
    std::string caption;
    std::array<std::string, 3> lines;
};
SheetText sheetText(const DishSheet& sheet, std::string_view separator);

// What "Copiar la ficha" puts on the clipboard, one item a line: the three
// figures (the input fields' texts, in kFigures order) with their captions, the
// result under its heading, and the sheet, where there is one.
std::string copiedSheet(const std::array<std::string_view, 3>& figures, std::string_view result,
                        const std::optional<DishSheet>& sheet, std::string_view separator);

// The accessible description of an input field: the unit of the figures.
std::string unitDescription(bool inches);

// The pointing panel's four lines: where the dish points; how its face
// tilts and the LNB turns; where the second and the third satellites' LNBs
// go. Where a number would be wrong, why instead; empty where a line has
// nothing to say.
std::array<std::string, 4> panelLines(const PanelEvaluation& panel, std::string_view separator);

// What "Copiar la ficha" adds while the panel shows: its caption, the
// fields that hold something with their captions (in kPanelInputs order),
// and its lines.
std::string copiedPanel(const std::array<std::string_view, 5>& fields,
                        const std::array<std::string, 4>& lines);

// How the panel's degrees are written, with the locale's separator.
std::string degreesNotation(std::string_view separator);

// What screen readers hear with a panel field: how its degrees are written.
std::string degreesDescription(Input field);

// Degrees as the panel's fields hold them, from the browser's place: four
// decimals (a few metres), and the side's letter.
std::string degreesText(double value, degrees::Axis axis, std::string_view separator);

// Why the browser gave no place, said beside the button that asked for it.
enum class LocationFailure { Refused, Unavailable, Unsupported };
std::string_view locationNote(LocationFailure failure);

// The one entry of the result's context menu, and the entry of the input
// fields' menus that copies the result.
inline constexpr std::string_view kCopy = "Copiar";
inline constexpr std::string_view kCopyResult = "Copiar la distancia";
// The entry of both menus that copies the dish sheet.
inline constexpr std::string_view kCopySheet = "Copiar la ficha";

// What screen readers hear of the web page's button that opens the result's
// menu.
inline constexpr std::string_view kResultMenu = "Copiar la distancia o la ficha";

// Said in the web page where its calculator cannot start: the browser runs
// no WebAssembly, or the page's files could not be had.
inline constexpr std::string_view kNoWebAssembly =
    "La calculadora no ha podido arrancar: este navegador no ejecuta WebAssembly. "
    "Pruebe con otro navegador o actualice este.";
inline constexpr std::string_view kPageFilesMissing =
    "La calculadora no ha podido arrancar: faltan archivos de la página. "
    "Vuelva a cargarla con conexión a Internet.";

// What the credit line says of the program when the pointer rests on it.
std::string versionNote();

// Shown when the system refuses to make the window or one of its controls.
inline constexpr std::string_view kWindowNotCreated =
    "No se ha podido abrir la ventana: el sistema no tiene recursos libres. "
    "Cierre otras ventanas y vuelva a intentarlo.";

// Printed, Spanish first, when the display system's platform plugin for Qt
// is missing: `system` names it ("Wayland", "X11"), `package` what to install.
std::string noPlatformPlugin(std::string_view system, std::string_view package);

// Printed, Spanish first, when the program finds no graphical display.
inline constexpr std::string_view kNoDisplay = DISTANCIA_PROGRAM_NAME
    ": no se ha encontrado ninguna pantalla gráfica (DISPLAY o "
    "WAYLAND_DISPLAY).\n" DISTANCIA_PROGRAM_NAME
    ": no graphical display was found (DISPLAY or WAYLAND_DISPLAY).\n";

}  // namespace lnb::texts
