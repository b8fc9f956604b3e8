#include "shell/main_window_links.h"

#include <QApplication>
#include <QWidget>

namespace quill {

namespace {

template <class Link>
Link* FindLink() {
  for (QWidget* w : QApplication::allWidgets()) {
    if (auto* link = dynamic_cast<Link*>(w)) return link;
  }
  return nullptr;
}

}  // namespace

NcFileNameLink* FindNcFileNameLink() {
  return FindLink<NcFileNameLink>();
}

ConvertToArtworkLink* FindConvertToArtworkLink() {
  return FindLink<ConvertToArtworkLink>();
}

RaisedLettersLink* FindRaisedLettersLink() {
  return FindLink<RaisedLettersLink>();
}

}  // namespace quill
