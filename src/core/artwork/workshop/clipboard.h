// Copy, Cut and Paste.  The clipboard text is the marker line "*** QXS Geometry ***" and one line per
// entity in its one-line text form (5 decimals, arc angles in degrees).  Copy also keeps the text in
// clip.txt in the program home, where Paste finds it when the system clipboard holds no text.
#pragma once

#include <string>
#include <vector>

#include "geometry/entity.h"

namespace quill {

class Job;
class Ui;
class WorkshopDocument;

inline constexpr const char* ClipboardMarker = "*** QXS Geometry ***";
inline constexpr const char* ClipFileName = "clip.txt";

// The marker and the selected entities, moved so that the centre of their box is the origin (nothing
// selected: the marker alone).  Lines end in carriage return and line feed.
std::string ClipboardText(Ui& ui, const WorkshopDocument& doc);

// Copy: the clipboard text, also written to clip.txt (replaced whole; a failure is reported).  Returns
// the text for the system clipboard.
std::string CopySelection(Job& job, const WorkshopDocument& doc);
// Cut: Copy, then Delete.
std::string CutSelection(Job& job, WorkshopDocument& doc);
// The text clip.txt holds; empty when there is none.
std::string ReadClipFile(const Job& job);

// The entities of a clipboard text.  Without the marker as its first line the text holds nothing to
// paste (false, nothing said).  Lines that begin with "Point", "Line" or "Arc" give entities; other
// lines are passed over.  A value that is no number, or an arc without a positive radius, makes the
// line damaged: it is reported with its number and nothing is pasted (false).
bool ParseClipboard(Ui& ui, const std::string& text, std::vector<tgEntity>& entities);

// Paste at the picked origin: the entities moved by (x, y) and added, unselected, as one step of Undo.
bool PasteEntities(Ui& ui, WorkshopDocument& doc, std::vector<tgEntity> entities, double x, double y);

}  // namespace quill
