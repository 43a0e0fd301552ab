#include "glyphs.h"

#include <array>
#include <stdexcept>

namespace assets {

namespace {

// One string per row, '#' inked.
using Glyph = std::array<const char*, glyphHeight>;

constexpr std::array<Glyph, 10> digits = {{
    {" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "},
    {"  #  ", " ##  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "},
    {" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"},
    {"#####", "   # ", "  #  ", "   # ", "    #", "#   #", " ### "},
    {"   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "},
    {"#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "},
    {"  ## ", " #   ", "#    ", "#### ", "#   #", "#   #", " ### "},
    {"#####", "    #", "   # ", "  #  ", " #   ", " #   ", " #   "},
    {" ### ", "#   #", "#   #", " ### ", "#   #", "#   #", " ### "},
    {" ### ", "#   #", "#   #", " ####", "    #", "   # ", " ##  "},
}};

}  // namespace

bool digitPixel(int digit, int column, int row)
{
    if (digit < 0 || digit > 9)
        throw std::out_of_range("only the digits 0 to 9 have glyphs");
    if (column < 0 || column >= glyphWidth || row < 0 || row >= glyphHeight)
        return false;
    return digits[static_cast<std::size_t>(digit)][static_cast<std::size_t>(row)][column] == '#';
}

void drawDigit(QImage& image, int digit, int left, int top, int scale, QRgb ink)
{
    for (int row = 0; row < glyphHeight * scale; ++row)
        for (int column = 0; column < glyphWidth * scale; ++column)
            if (digitPixel(digit, column / scale, row / scale) && image.valid(left + column, top + row))
                image.setPixel(left + column, top + row, ink);
}

}  // namespace assets
