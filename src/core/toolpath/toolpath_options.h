// The tool path dialog's choices that the project does not keep: what the tool path is made from and
// how the depth is found.
#pragma once

namespace quill {

enum class ToolPathSource { TextOnly, ArtworkOnly, ArtworkThenText, TextThenArtwork, BitmapScan };
enum class ZAxisMode { Constant, ProjectOnSurface };

struct ToolPathOptions {
  ToolPathSource source = ToolPathSource::TextOnly;  // "Create Tool Path For:"
  bool multipleDepths = false;                       // "Multiple -Z- Depths"
  ZAxisMode zAxis = ZAxisMode::Constant;             // "-Z- Axis Position"
  bool carveText = false;                            // "Carve Text in 3D"
};

}  // namespace quill
