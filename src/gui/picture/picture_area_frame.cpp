#include "picture/picture_area_frame.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>

#include "job/job.h"
#include "picture/picture_area.h"

namespace quill {

namespace {

constexpr int kScrollRange = 100, kSmallStep = 5, kLargeStep = 20;
constexpr int kPanelWidth = 230;

QScrollBar* MakeBar(Qt::Orientation orientation, QWidget* parent) {
  auto* bar = new QScrollBar(orientation, parent);
  bar->setRange(-kScrollRange, kScrollRange);
  bar->setSingleStep(kSmallStep);
  bar->setPageStep(kLargeStep);
  bar->setValue(0);
  return bar;
}

}  // namespace

PictureFrame::PictureFrame(Job& job, QWidget* parent)
    : QWidget(parent),
      job_(job),
      picture_(new PictureArea(job, this)),
      horizontal_(MakeBar(Qt::Horizontal, this)),
      vertical_(MakeBar(Qt::Vertical, this)),
      panel_(new QLabel("X0,Y0", this)) {
  horizontal_->setObjectName("HorizontalScrollBar");
  vertical_->setObjectName("VerticalScrollBar");
  panel_->setObjectName("CoordinatePanel");
  panel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel_->setFixedWidth(kPanelWidth);
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  grid->addWidget(picture_, 0, 0, 1, 2);
  grid->addWidget(vertical_, 0, 2);
  grid->addWidget(panel_, 1, 0);
  grid->addWidget(horizontal_, 1, 1);
  grid->setRowStretch(0, 1);
  grid->setColumnStretch(1, 1);

  for (QScrollBar* bar : {horizontal_, vertical_}) {
    connect(bar, &QScrollBar::valueChanged, this, [this, bar] {
      if (!bar->isSliderDown()) ScrollEnded();
    });
    connect(bar, &QScrollBar::sliderReleased, this, &PictureFrame::ScrollEnded);
  }
  connect(picture_, &PictureArea::CoordinatesChanged, panel_, &QLabel::setText);
  connect(picture_, &PictureArea::ScrollBarsReset, this, &PictureFrame::SyncScrollBars);
}

void PictureFrame::SyncScrollBars() {
  for (auto [bar, value] : {std::pair{horizontal_, job_.view.ScrollX}, {vertical_, job_.view.ScrollY}}) {
    QSignalBlocker quiet(bar);
    bar->setValue(value);
  }
}

// The pan waits until the scroll action is over and the bar has its final position.
void PictureFrame::ScrollEnded() {
  if (panPosted_) return;
  panPosted_ = true;
  QMetaObject::invokeMethod(this, &PictureFrame::Pan, Qt::QueuedConnection);
}

void PictureFrame::Pan() {
  panPosted_ = false;
  if (horizontal_->value() == job_.view.ScrollX && vertical_->value() == job_.view.ScrollY) return;
  picture_->Run([this](MainView& v) { v.Scroll(horizontal_->value(), vertical_->value()); });
}

}  // namespace quill
