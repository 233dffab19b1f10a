// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "design/presenter.hpp"

namespace lnb::testing {

// Text widths without a window: every byte 120 twips wide at 10 points.
class FixedPitch : public TextMeasure {
  public:
    double widthInTwips(std::string_view text, const design::Font& /*font*/,
                        double pointSize) const override {
        return 12.0 * pointSize * static_cast<double>(text.size());
    }
};

}  // namespace lnb::testing
