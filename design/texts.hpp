// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "design/build_config.hpp"
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
// figures (the input fields' texts, in kInputs order) with their captions, the
// result under its heading, and the sheet, where there is one.
std::string copiedSheet(const std::array<std::string_view, 3>& figures, std::string_view result,
                        const std::optional<DishSheet>& sheet, std::string_view separator);

// The accessible description of an input field: the unit of the figures.
std::string unitDescription(bool inches);

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
