// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <string>
#include <string_view>

#include <fmt/compile.h>

// A JSON text written value by value, always valid whatever it is given: a
// text's quotes, backslashes and control characters escaped, bytes that are
// no UTF-8 written as U+FFFD, a number that is not finite written as null.
namespace lnb::web {

class Json {
  public:
    Json& beginObject() { return open('{'); }
    Json& endObject() { return close('}'); }
    Json& beginArray() { return open('['); }
    Json& endArray() { return close(']'); }

    Json& key(std::string_view name) {
        value(name);
        text_ += ':';
        first_ = true;
        return *this;
    }

    Json& value(std::string_view text) {
        separate();
        text_ += '"';
        appendEscaped(text);
        text_ += '"';
        return *this;
    }
    Json& value(const char* text) { return value(std::string_view(text)); }
    Json& value(const std::string& text) { return value(std::string_view(text)); }
    Json& value(bool yes) { return raw(yes ? "true" : "false"); }
    // The shortest form that reads back as the same double.
    Json& value(double number) {
        return std::isfinite(number) ? raw(fmt::format(FMT_COMPILE("{}"), number)) : null();
    }
    Json& value(int number) { return raw(fmt::format(FMT_COMPILE("{}"), number)); }
    Json& value(unsigned number) { return raw(fmt::format(FMT_COMPILE("{}"), number)); }
    Json& null() { return raw("null"); }

    template <typename Value>
    Json& field(std::string_view name, const Value& v) {
        return key(name).value(v);
    }

    const std::string& text() const { return text_; }

  private:
    Json& open(char bracket) {
        separate();
        text_ += bracket;
        first_ = true;
        return *this;
    }
    Json& close(char bracket) {
        text_ += bracket;
        first_ = false;
        return *this;
    }
    Json& raw(std::string_view text) {
        separate();
        text_ += text;
        return *this;
    }
    void separate() {
        if (!first_)
            text_ += ',';
        first_ = false;
    }

    // The length of the UTF-8 sequence at the start of `text`, or 0 where
    // it is none (a stray byte, an overlong form, a surrogate, past U+10FFFF).
    static std::size_t sequenceLength(std::string_view text) {
        const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
        const unsigned lead = byte(0);
        const std::size_t length = lead < 0x80   ? 1
                                   : lead < 0xC2 ? 0
                                   : lead < 0xE0 ? 2
                                   : lead < 0xF0 ? 3
                                   : lead < 0xF5 ? 4
                                                 : 0;
        if (length == 0 || length > text.size())
            return 0;
        for (std::size_t i = 1; i < length; ++i) {
            if ((byte(i) & 0xC0) != 0x80)
                return 0;
        }
        if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) >= 0xA0) ||
            (lead == 0xF0 && byte(1) < 0x90) || (lead == 0xF4 && byte(1) >= 0x90))
            return 0;
        return length;
    }

    void appendEscaped(std::string_view text) {
        while (!text.empty()) {
            const std::size_t length = sequenceLength(text);
            const char c = text.front();
            if (length == 0) {
                text_ += "\uFFFD";
                text.remove_prefix(1);
                continue;
            }
            if (c == '"' || c == '\\') {
                text_ += '\\';
                text_ += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                text_ += fmt::format(FMT_COMPILE("\\u{:04x}"), static_cast<unsigned>(c));
            } else {
                text_.append(text.substr(0, length));
            }
            text.remove_prefix(length);
        }
    }

    std::string text_;
    bool first_ = true;
};

}  // namespace lnb::web
