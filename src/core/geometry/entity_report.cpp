#include "geometry/entity_report.h"

#include <string>

#include "geometry/entity.h"
#include "ui/ui.h"

namespace quill {

double EntityTolerance = DefaultEntityTolerance;

void ReportKindError(Ui& ui, const char* label, const tgEntity& e) {
  ui.Error(std::string(label) + " called with " + e.KindName());
}

}  // namespace quill
