// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/numeric_text.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "tests/data_tables.hpp"
#include "tests/numeric_text_table_generated.hpp"

namespace nt = lnb::numeric_text;

namespace {

struct ReadRow {
    const char* text;
    const char* separator;
    std::optional<double> expected;
};

void PrintTo(const ReadRow& row, std::ostream* os) {
    *os << '"' << row.text << "\" with '" << row.separator << "'";
}

class Reading : public testing::TestWithParam<ReadRow> {};

TEST_P(Reading, AcceptsOnlyNumbersInTheLocalesNotation) {
    const auto& row = GetParam();
    EXPECT_EQ(nt::read(row.text, row.separator), row.expected);
    EXPECT_EQ(nt::isNumeric(row.text, row.separator), row.expected.has_value());
}

constexpr auto none = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    PointAndComma, Reading,
    testing::Values(
        ReadRow{"80", ".", 80}, ReadRow{"80", ",", 80}, ReadRow{" 80\t", ".", 80},
        ReadRow{"+5", ".", 5}, ReadRow{"-3", ",", -3}, ReadRow{"80.5", ".", 80.5},
        ReadRow{"80,5", ",", 80.5}, ReadRow{".5", ".", 0.5}, ReadRow{"5,", ",", 5},
        ReadRow{"1e5", ".", 1e5}, ReadRow{"1,5E+20", ",", 1.5e20}, ReadRow{"2E-05", ".", 2e-5},
        ReadRow{"0", ".", 0}, ReadRow{"-0", ",", -0.0},
        // only the locale's own separator
        ReadRow{"80,5", ".", none}, ReadRow{"80.5", ",", none},
        // never numbers
        ReadRow{"", ".", none}, ReadRow{"  ", ",", none}, ReadRow{"-", ".", none},
        ReadRow{"+", ",", none}, ReadRow{".", ".", none}, ReadRow{",", ",", none},
        ReadRow{"-,", ",", none}, ReadRow{"abc", ".", none}, ReadRow{"1e", ".", none},
        ReadRow{"1e+", ",", none}, ReadRow{"e5", ".", none}, ReadRow{"inf", ".", none},
        ReadRow{"nan", ",", none}, ReadRow{"0x10", ".", none}, ReadRow{"1,000.5", ".", none},
        ReadRow{"1.000,5", ",", none}, ReadRow{"1 000", ".", none}, ReadRow{"$5", ".", none},
        ReadRow{"5\u20ac", ",", none}, ReadRow{"--1", ".", none}, ReadRow{"1..2", ".", none},
        ReadRow{"1e5.5", ".", none}, ReadRow{"1e400", ".", none}, ReadRow{"-1e400", ",", none},
        ReadRow{"1e-400", ".", none}, ReadRow{"8\u00f1", ".", none}, ReadRow{"5\n", ".", none}));

struct WriteRow {
    double value;
    const char* separator;
    const char* expected;
};

void PrintTo(const WriteRow& row, std::ostream* os) {
    *os << row.value << " with '" << row.separator << "'";
}

class Writing : public testing::TestWithParam<WriteRow> {};

TEST_P(Writing, GivesFifteenDigitsWithoutTrailingZeros) {
    EXPECT_EQ(nt::write(GetParam().value, GetParam().separator), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    PointAndComma, Writing,
    testing::Values(
        WriteRow{40, ".", "40"}, WriteRow{1280, ",", "1280"}, WriteRow{45.15625, ".", "45.15625"},
        WriteRow{45.15625, ",", "45,15625"}, WriteRow{6400.0 / 192, ".", "33.3333333333333"},
        WriteRow{6400.0 / 192, ",", "33,3333333333333"}, WriteRow{0.1 + 0.2, ".", "0.3"},
        WriteRow{0, ".", "0"}, WriteRow{-0.0, ",", "0"}, WriteRow{-2.5, ",", "-2,5"},
        WriteRow{999999999999999, ".", "999999999999999"}, WriteRow{1e15, ".", "1E+15"},
        WriteRow{9.999999999999999e14, ".", "1E+15"}, WriteRow{1.5e20, ",", "1,5E+20"},
        WriteRow{0.0001, ".", "0.0001"}, WriteRow{0.00012345, ",", "0,00012345"},
        WriteRow{0.00001, ".", "1E-05"}, WriteRow{-1.25e-7, ",", "-1,25E-07"},
        WriteRow{123456789012345678.0, ".", "1.23456789012346E+17"},
        WriteRow{std::numeric_limits<double>::max(), ".", "1.79769313486231E+308"},
        WriteRow{std::numeric_limits<double>::denorm_min(), ",", "4,94065645841247E-324"}));

TEST(Writing, GivesNoTextForNonFiniteValues) {
    for (const double value : {std::numeric_limits<double>::infinity(), std::nan("")}) {
        EXPECT_EQ(nt::write(value, "."), "");
        EXPECT_FALSE(nt::isNumeric(nt::write(value, ","), ","));
    }
}

// Next to the limits of the double range the written text must stay readable.
TEST(WritingThenReading, ExtremesStayNumeric) {
    using limits = std::numeric_limits<double>;
    for (const double value : {limits::max(), -limits::max(), limits::min(), limits::denorm_min(),
                               -limits::denorm_min(), std::nextafter(limits::max(), 0.0)}) {
        for (const char* separator : {".", ","}) {
            const std::string text = nt::write(value, separator);
            EXPECT_TRUE(nt::isNumeric(text, separator)) << text;
        }
    }
}

// Whatever is written is numeric, reads back as the number written (writing it
// again gives the same text) and stays within 15 digits of the original.
TEST(WritingThenReading, RoundTripsAcrossMagnitudes) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-320, 307);
    for (const char* separator : {".", ","}) {
        for (int i = 0; i < 20000; ++i) {
            const double value = mantissa(random) * std::pow(10.0, exponent(random));
            const std::string text = nt::write(value, separator);
            const auto back = nt::read(text, separator);
            ASSERT_TRUE(back.has_value()) << text;
            EXPECT_EQ(nt::write(*back, separator), text);
            if (std::fabs(value) >= std::numeric_limits<double>::min()) {
                EXPECT_LE(std::fabs(*back - value), std::fabs(value) * 1e-14) << text;
            }
        }
    }
}

// The recorded table (tests/data/numeric_text.tsv): every text reads, and
// every number is written, as it was recorded.
struct Recorded {
    std::string operation, separator, input, expected, bits;
};

std::string unescaped(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char kind = text[++i];
        if (kind == 'x') {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += kind == 't' ? '\t' : kind == 'n' ? '\n' : kind == 'r' ? '\r' : kind;
        }
    }
    return out;
}

// (std::bit_cast is missing from some standard libraries the core is built with.)
double fromBits(const std::string& hex) {
    const auto bits = static_cast<std::uint64_t>(std::stoull(hex, nullptr, 16));
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::uint64_t bitsOf(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

std::vector<Recorded> recorded(const std::string& operation) {
    std::vector<Recorded> rows;
    for (const auto& f : lnb::testing::detail::rowsOf(lnb::testing::kNumericTextTable)) {
        if (f.at(0) != operation)
            continue;
        if (operation == "read")
            rows.push_back(
                {f.at(0), f.at(1), unescaped(f.at(2)), f.at(3), f.size() > 4 ? f.at(4) : ""});
        else
            rows.push_back({f.at(0), f.at(1), f.at(2), unescaped(f.at(3)), ""});
    }
    return rows;
}

const char* kindName(nt::TextKind kind) {
    switch (kind) {
        case nt::TextKind::Number:
            return "number";
        case nt::TextKind::Beginning:
            return "beginning";
        case nt::TextKind::NotANumber:
            return "nan";
        case nt::TextKind::OutOfRange:
            return "range";
    }
    return "?";
}

TEST(RecordedTable, EveryTextReadsAsRecorded) {
    const auto rows = recorded("read");
    ASSERT_GT(rows.size(), 3000u);
    for (const Recorded& row : rows) {
        const nt::Classified read = nt::classify(row.input, row.separator);
        EXPECT_EQ(kindName(read.kind), row.expected)
            << '"' << row.input << "\" with '" << row.separator << "'";
        if (read.kind == nt::TextKind::Number && row.expected == "number") {
            EXPECT_EQ(bitsOf(read.value), bitsOf(fromBits(row.bits)))
                << '"' << row.input << "\" with '" << row.separator << "'";
        }
    }
}

TEST(RecordedTable, EveryNumberIsWrittenAsRecorded) {
    for (const char* operation : {"write", "fixed1", "fixed2"}) {
        const auto rows = recorded(operation);
        ASSERT_GT(rows.size(), 500u) << operation;
        for (const Recorded& row : rows) {
            const double value = fromBits(row.input);
            const std::string written =
                operation[0] == 'w' ? nt::write(value, row.separator)
                                    : nt::writeFixed(value, operation[5] - '0', row.separator);
            EXPECT_EQ(written, row.expected)
                << operation << ' ' << row.input << " with '" << row.separator << "'";
        }
    }
}

}  // namespace
