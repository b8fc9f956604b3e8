// "Print Sample &Fonts ...": one line per installed font, its name in Arial and then in the font itself.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quill {

class Canvas;
class Ui;

// Lists the names, sorted, from the top of the page; newPage() starts the next page when a line would
// not fit (false when the printer refused).  "There are no Fonts to Print" without names; "Error
// Printing Sample Fonts" when a page could not be started.  True when every name was printed.
bool PrintSampleFontList(Ui& ui, Canvas& page, std::vector<std::string> names, const std::function<bool()>& newPage);

}  // namespace quill
