// Numbers as the program reads them from typed fields and writes them into its hidden lists.
#pragma once

#include <string_view>

namespace veltrano {

// Reads a number as the C runtime's atoi does (leading white space, a sign, then digits; a text
// without leading digits is 0), but saturates at the limits of int instead of overflowing, so a
// huge count stays huge and never turns negative.
int decimal_value(std::string_view text);

}  // namespace veltrano
