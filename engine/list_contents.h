// Reading a list box whole and filling it anew: the two ways the program moves a list's entries.
#pragma once

#include <string>
#include <vector>

#include "interface/dialog.h"

namespace veltrano {

// Every entry of a list box, in order.
std::vector<std::string> list_entries(const Dialog& dialog, ControlId list);

// Adds `entries` at the end of the list, in order, with its redrawing off meanwhile, and lets the
// list scroll sideways as far as the widest of them reaches.
void append_to_list(Dialog& dialog, ControlId list, const std::vector<std::string>& entries);

// Empties the list and puts `entries` in it, in order, with its redrawing off meanwhile: the list
// is drawn once.
void fill_list(Dialog& dialog, ControlId list, const std::vector<std::string>& entries);

}  // namespace veltrano
