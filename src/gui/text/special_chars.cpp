#include "text/special_chars.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "job/job.h"
#include "shell/dialog_buttons.h"

namespace quill {
namespace {

constexpr int kRows = 7;
constexpr int kColumns = 32;

}  // namespace

TSpecialCharDlg::TSpecialCharDlg(Job& job, QWidget* parent) : QDialog(parent), job_(job) {
  setObjectName("TSpecialCharDlg");
  setWindowTitle("Insert Special Character");
  grid_ = new QTableWidget(kRows, kColumns);
  grid_->setObjectName("grid");
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->horizontalHeader()->setDefaultSectionSize(22);
  grid_->verticalHeader()->setDefaultSectionSize(22);
  for (int r = 0; r < kRows; ++r) {
    for (int c = 0; c < kColumns; ++c) {
      auto* cell = new QTableWidgetItem(QString(QChar::fromLatin1(static_cast<char>(CodeAt(r, c)))));
      cell->setTextAlignment(Qt::AlignCenter);
      grid_->setItem(r, c, cell);
    }
  }
  grid_->setCurrentCell(0, 0);
  grid_->setMinimumSize(kColumns * 22 + 4, kRows * 22 + 4);
  connect(grid_, &QTableWidget::currentCellChanged, this, &TSpecialCharDlg::ShowSelected);

  preview_ = new QLabel;
  preview_->setObjectName("preview");
  preview_->setAlignment(Qt::AlignCenter);
  preview_->setMinimumSize(72, 72);
  code_ = new QLabel;
  code_->setObjectName("code");

  auto* side = new QVBoxLayout;
  side->addWidget(preview_);
  side->addWidget(code_);
  side->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(grid_);
  top->addLayout(side);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(OkCancelHelp(this, [this] {
    if (help_) help_();
  }));
}

int TSpecialCharDlg::SelectedCode() const {
  return CodeAt(std::max(grid_->currentRow(), 0), std::max(grid_->currentColumn(), 0));
}

// The grid takes the face of the settings dialog's sample at size 10; the preview is larger.
void TSpecialCharDlg::showEvent(QShowEvent* event) {
  QFont face(QString::fromLatin1(job_.settings.FONTNAME.c_str()), 10);
  grid_->setFont(face);
  face.setPointSize(36);
  preview_->setFont(face);
  ShowSelected();
  QDialog::showEvent(event);
}

void TSpecialCharDlg::ShowSelected() {
  int code = SelectedCode();
  preview_->setText(QString(QChar::fromLatin1(static_cast<char>(code))));
  code_->setText(QString("Chr = %1").arg(code));
}

void TSpecialCharDlg::accept() {
  job_.specialChars = std::string(1, static_cast<char>(SelectedCode()));
  QDialog::accept();
}

}  // namespace quill
