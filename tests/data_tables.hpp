// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The shared tables of tests/data/ (see their headers), for the suites
// written in C++. They are compiled in, so that the suites need no file at run
// time (the Windows build runs them under Wine).

#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "logic/window_state.hpp"
#include "tests/data_tables_generated.hpp"

namespace lnb::testing {

namespace detail {

inline std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream stream(text);
    while (std::getline(stream, part, separator)) parts.push_back(part);
    if (!text.empty() && text.back() == separator)
        parts.emplace_back();
    return parts;
}

// The rows of a table: its lines that are neither empty nor comments, split
// at tabs. A table without rows ends the suite: its checks would pass by
// checking nothing.
inline std::vector<std::vector<std::string>> rowsOf(const char* table) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(table);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.front() != '#')
            rows.push_back(split(line, '\t'));
    }
    if (rows.empty()) {
        std::fputs("a table of tests/data/ has no rows\n", stderr);
        std::abort();
    }
    return rows;
}

inline Input inputNamed(const std::string& letter) {
    return letter == "V" ? Input::Vertical : letter == "H" ? Input::Horizontal : Input::Depth;
}

}  // namespace detail

enum class Tone { Message, None };

struct StatusRow {
    std::string separator;
    std::vector<std::pair<Input, std::string>> typed;  // in turn, after Load
    std::string result;
    bool blue;  // the result follows the figures
    std::string line;
    Tone tone;
    // The dish sheet's caption and lines; none: no frame.
    std::vector<std::string> sheet;
};

inline void PrintTo(const StatusRow& row, std::ostream* os) {
    *os << "'" << row.separator << "'";
    for (const auto& [input, text] : row.typed)
        *os << ' ' << "VHp"[static_cast<int>(input)] << "=\"" << text << '"';
}

inline std::vector<StatusRow> statusRows() {
    std::vector<StatusRow> rows;
    for (const auto& fields : detail::rowsOf(kStatusRowsTable)) {
        StatusRow row{
            fields.at(0),
            {},
            fields.at(2),
            fields.at(3) == "blue",
            fields.at(4),
            fields.at(5) == "message" ? Tone::Message : Tone::None,
            fields.at(6).empty() ? std::vector<std::string>{} : detail::split(fields.at(6), '|')};
        if (fields.at(1) != "-") {
            for (const std::string& step : detail::split(fields.at(1), ';')) {
                const auto equals = step.find('=');
                row.typed.emplace_back(detail::inputNamed(step.substr(0, equals)),
                                       step.substr(equals + 1));
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

// One row for each way the window shows a status: each colour of the result
// with each tone of the line and each kind of sheet (none, or its caption),
// the first row of each.
inline std::vector<StatusRow> oneRowOfEachLook(const std::vector<StatusRow>& rows) {
    const auto look = [](const StatusRow& row) {
        return std::tuple(row.blue, row.tone, row.sheet.empty() ? "" : row.sheet.front());
    };
    std::vector<StatusRow> chosen;
    for (const StatusRow& row : rows) {
        bool seen = false;
        for (const StatusRow& kept : chosen) seen = seen || look(kept) == look(row);
        if (!seen)
            chosen.push_back(row);
    }
    return chosen;
}

struct AppearanceCheck {
    enum class Kind { Colour, Unlike, Ink };
    std::string what;
    Kind kind;  // a pixel's colour, any colour but one, or the ink of a text in an area
    int x, y, width, height;
    std::string expect;  // RRGGBB for a pixel, a kind of colour for ink
};

inline std::vector<AppearanceCheck> appearanceChecks() {
    std::vector<AppearanceCheck> checks;
    for (const auto& f : detail::rowsOf(kAppearanceTable)) {
        const bool ink = f.at(1) == "ink";
        const auto kind = ink                   ? AppearanceCheck::Kind::Ink
                          : f.at(1) == "unlike" ? AppearanceCheck::Kind::Unlike
                                                : AppearanceCheck::Kind::Colour;
        checks.push_back({f.at(0), kind, std::stoi(f.at(2)), std::stoi(f.at(3)),
                          ink ? std::stoi(f.at(4)) : 1, ink ? std::stoi(f.at(5)) : 1, f.at(6)});
    }
    return checks;
}

enum class Looks { Grey, White, Outline, Drawn };

// A point of the drawings and how it looks there (tests/data/pictures.tsv).
struct PicturePoint {
    std::string what;
    int x, y;
    Looks looks;
};

inline std::vector<PicturePoint> picturePoints() {
    std::vector<PicturePoint> points;
    for (const auto& f : detail::rowsOf(kPicturesTable)) {
        const Looks looks = f.at(3) == "grey"      ? Looks::Grey
                            : f.at(3) == "white"   ? Looks::White
                            : f.at(3) == "outline" ? Looks::Outline
                                                   : Looks::Drawn;
        points.push_back({f.at(0), std::stoi(f.at(1)), std::stoi(f.at(2)), looks});
    }
    return points;
}

// The pointing panel's lines for a place and satellites (tests/data/pointing.tsv).
struct PointingRow {
    std::string separator;
    std::array<std::string, 3> figures;  // V, H, p
    std::array<std::string, 5> panel;    // in kPanelInputs order
    std::array<std::string, 4> lines;
    std::optional<std::pair<int, int>> secondLnbApex;  // pixels at 96 DPI
};

inline void PrintTo(const PointingRow& row, std::ostream* os) {
    *os << "'" << row.separator << "' " << row.panel[0] << " / " << row.panel[1] << " / "
        << row.panel[2];
}

inline std::vector<PointingRow> pointingRows() {
    std::vector<PointingRow> rows;
    for (const auto& f : detail::rowsOf(kPointingTable)) {
        PointingRow row;
        row.separator = f.at(0);
        const auto figures = detail::split(f.at(1), ';');
        for (std::size_t i = 0; i < 3; ++i) row.figures[i] = figures.at(i);
        for (std::size_t i = 0; i < 5; ++i) row.panel[i] = f.at(2 + i);
        for (std::size_t i = 0; i < 4; ++i) row.lines[i] = f.at(7 + i);
        if (f.at(11) != "-") {
            const auto at = detail::split(f.at(11), ',');
            row.secondLnbApex = std::pair(std::stoi(at.at(0)), std::stoi(at.at(1)));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace lnb::testing
