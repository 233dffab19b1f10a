// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/window_state.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

namespace lnb {

bool PictureProperty::set(const Checked& expression, Outcome& failure) {
    if (expression.failure()) {
        failure = Failure{*expression.failure(), FailedField::Picture};
        return false;
    }
    const auto rounded = static_cast<float>(expression.value());
    if (!std::isfinite(rounded)) {
        failure = Failure{FailureKind::Overflow, FailedField::Picture};
        return false;
    }
    value_ = rounded;
    return true;
}

int characterCount(std::string_view text) {
    int count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;  // skip continuation bytes
    return count;
}

std::array<Rect, kPictureCount> WindowState::pictureRects() const {
    const auto all = pictures();
    std::array<Rect, kPictureCount> rects{};
    std::transform(all.begin(), all.end(), rects.begin(),
                   [](const Picture* picture) { return picture->rect(); });
    return rects;
}

std::array<std::string_view, kPanelInputs.size()> WindowState::panelTexts() const {
    std::array<std::string_view, kPanelInputs.size()> texts;
    for (std::size_t i = 0; i < kPanelInputs.size(); ++i) texts[i] = input(kPanelInputs[i]).Text;
    return texts;
}

const TextField& WindowState::input(Input which) const {
    switch (which) {
        case Input::Vertical:
            return txtVertical;
        case Input::Horizontal:
            return txtHorizontal;
        case Input::Depth:
            return txtProfundidad;
        case Input::Latitude:
            return txtLatitud;
        case Input::Longitude:
            return txtLongitud;
        case Input::Satellite:
            return txtSatelite;
        case Input::Satellite2:
            return txtSatelite2;
        case Input::Satellite3:
            break;
    }
    return txtSatelite3;
}

TextField& WindowState::input(Input which) {
    return const_cast<TextField&>(std::as_const(*this).input(which));
}

}  // namespace lnb
