#include "artwork/dxf_status.h"

#include <algorithm>

#include "ui/ui.h"

namespace quill {

void UiDxfStatus::Begin(const std::string& fileName) {
  ui_.Status(StatusChannel::ImportStatus, "File Name : " + fileName);
}

void UiDxfStatus::Message(const std::string& text) {
  // Repeats (one per converted curve) are kept once, so a large drawing keeps a short list.
  if (std::find(messages.begin(), messages.end(), text) == messages.end()) messages.push_back(text);
  ui_.Status(StatusChannel::ImportStatus, text);
}

}  // namespace quill
