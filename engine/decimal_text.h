// Numbers as the program reads them from typed fields and writes them into its hidden lists.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace veltrano {

// Reads a number as the C runtime's atoi does (leading white space, a sign, then digits; a text
// without leading digits is 0), but saturates at the limits of int instead of overflowing, so a
// huge count stays huge and never turns negative.
int decimal_value(std::string_view text);

// A count as Italians write it, its digits grouped in thousands by dots: 4.512, 10.000.
std::string grouped_thousands(std::size_t count);

}  // namespace veltrano
