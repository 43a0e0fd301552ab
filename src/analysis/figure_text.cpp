#include "analysis/figure_text.h"

#include <charconv>
#include <cmath>

namespace {

const std::string minus = "−";

// A value that rounds to nought shows without a sign.
std::string withDecimals(double value, int places, double nought)
{
    const double shown = std::abs(value) < nought ? 0.0 : value;
    char printed[400];
    const auto end =
        std::to_chars(printed, printed + sizeof printed, std::abs(shown), std::chars_format::fixed, places).ptr;
    std::string text(printed, end);
    text[text.size() - 1 - static_cast<std::size_t>(places)] = ',';
    return shown < 0 ? minus + text : text;
}

}  // namespace

std::string oneDecimal(double value)
{
    return withDecimals(value, 1, 0.05);
}

std::string twoDecimals(double value)
{
    return withDecimals(value, 2, 0.005);
}

std::string wholeNumber(int value)
{
    const std::string digits = std::to_string(value < 0 ? -static_cast<long long>(value) : value);
    return value < 0 ? minus + digits : digits;
}
