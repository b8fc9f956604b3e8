// Help pages by context number.  A dialog whose Help button carries a number (1 for the settings
// dialog, 8 for the tool path dialog ...) is shown the page this table gives; every other window names
// its page directly ("Generate_Text_Path").
#pragma once

#include <functional>
#include <string>

namespace quill {

// The table of contents and the page of the Help menu's "Tuto&rials".
inline constexpr const char* HelpContentsPage = "index";
inline constexpr const char* HelpTutorialsPage = "Tutorials";

// The page of a context number; the table of contents for a number without a page.
std::string HelpPageOfContext(int context);

// What a window's Help button calls with the window's help page name.
using HelpPageOpener = std::function<void(const std::string& page)>;

}  // namespace quill
