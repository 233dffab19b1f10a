// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "design/texts.hpp"

// An input field's own menu (the menu key, Shift+F10, a right click), the
// same in every window and in Spanish whatever the system's language: the
// edit commands, worded as Qt's Spanish translation words them, each with
// the keys that do the same; then the view's copying entries. Each window
// carries out the commands with its own field and says which it offers now.
namespace lnb::design {

enum class EditCommand { Undo, Redo, Cut, Copy, Paste, Delete, SelectAll };

struct FieldMenuEntry {
    std::optional<EditCommand> command;  // none: a separator
    std::string_view words;
    std::string_view keys;  // shown after the words; empty: none
};

inline constexpr FieldMenuEntry kSeparator{};

inline constexpr std::array<FieldMenuEntry, 10> kFieldMenu{{
    {EditCommand::Undo, "Deshacer", "Ctrl+Z"},
    {EditCommand::Redo, "Rehacer", "Ctrl+Y"},
    kSeparator,
    {EditCommand::Cut, "Cortar", "Ctrl+X"},
    {EditCommand::Copy, texts::kCopy, "Ctrl+C"},
    {EditCommand::Paste, "Pegar", "Ctrl+V"},
    {EditCommand::Delete, "Eliminar", ""},
    kSeparator,
    {EditCommand::SelectAll, "Seleccionar todo", "Ctrl+A"},
    kSeparator,  // the copying entries follow
}};

}  // namespace lnb::design
