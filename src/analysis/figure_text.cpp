#include "analysis/figure_text.h"

#include <charconv>
#include <cmath>

namespace {

const std::string minus = "−";

}  // namespace

std::string oneDecimal(double value)
{
    // A value that rounds to nought shows without a sign.
    const double shown = std::abs(value) < 0.05 ? 0.0 : value;
    char printed[400];
    const auto end = std::to_chars(printed, printed + sizeof printed, std::abs(shown), std::chars_format::fixed, 1).ptr;
    std::string text(printed, end);
    text[text.size() - 2] = ',';
    return shown < 0 ? minus + text : text;
}

std::string wholeNumber(int value)
{
    const std::string digits = std::to_string(value < 0 ? -static_cast<long long>(value) : value);
    return value < 0 ? minus + digits : digits;
}
