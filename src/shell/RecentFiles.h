// The five most recently opened files: the list, its menu items and "recent.ini".
#pragma once

#include <string>

namespace grizzet {

class Form1;

// Reads "recent.ini" into the (already emptied) list; an absent file leaves it empty.
void ReadRecent(Form1& form);
// Cleans the list, rebuilds the recent items and rewrites "recent.ini".
void RefreshRecent(Form1& form);
// Puts the path at the top of the list.
void AddRecent(Form1& form, const std::string& path);

}  // namespace grizzet
