#include "shell/help_contexts.h"

namespace quill {

namespace {

struct ContextPage {
  int context;
  const char* page;
};

// Each page is data/help/<page>.html.
constexpr ContextPage kContextPages[] = {
    {1, "Quillmark_Settings"},       // the settings dialog
    {3, "Preferences"},              // the preferences dialog
    {7, "Modify_Artwork"},           // Modify Artwork
    {8, "Generate_Tool_Path"},       // the tool path dialog
    {12, "NC_Code_Generator_Setup"}, // the machine definition setup
    {100, "Expression_Entry"},       // "Error in Expression" in any numeric field
};

}  // namespace

std::string HelpPageOfContext(int context) {
  for (const auto& c : kContextPages) {
    if (c.context == context) return c.page;
  }
  return HelpContentsPage;
}

}  // namespace quill
