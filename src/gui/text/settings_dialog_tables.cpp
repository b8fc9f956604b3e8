#include "text/settings_dialog_tables.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "job/settings.h"
#include "mathlib/number_text.h"

namespace quill {

int SettingsTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 3;
}

QVariant SettingsTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  if (index.column() == 0) return FirstColumn(index.row());
  return QString::fromStdString(FormatFixed(Value(index.row(), index.column()), 5));
}

bool SettingsTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || index.column() == 0 || role != Qt::EditRole) return false;
  std::optional<double> v = StrictToDouble(value.toString().toStdString());
  if (!v) return false;
  Value(index.row(), index.column()) = static_cast<float>(*v);
  emit dataChanged(index, index);
  return true;
}

QVariant SettingsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) return section >= 0 && section < 3 ? headers_[section] : QVariant();
  return section + 1;
}

Qt::ItemFlags SettingsTableModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractTableModel::flags(index);
  return index.column() == 0 ? f : f | Qt::ItemIsEditable;
}

void SettingsTableModel::Refresh() {
  // Only a change of the row count resets the view; otherwise the rows keep their place and scroll.
  int rows = rowCount();
  if (rows != shownRows_) {
    beginResetModel();
    shownRows_ = rows;
    endResetModel();
  } else if (rows > 0) {
    emit dataChanged(index(0, 0), index(rows - 1, 2));
  }
}

int CurvePointModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::clamp(s_.CurvePoints, 0, CurvePointCount);
}

QString CurvePointModel::FirstColumn(int row) const {
  return QString::number(row + 1);
}

float& CurvePointModel::Value(int row, int column) const {
  return column == 1 ? s_.ACURVEX[row] : s_.ACURVEY[row];
}

int CharTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::clamp(s_.CharRows, 0, CharTableSize);
}

QString CharTableModel::FirstColumn(int row) const {
  auto c = static_cast<unsigned char>(s_.CharTable[row].ch);
  // Line breaks and other control characters by their code, so every row shows something.
  if (c < 32 || c == 127) return QString("#%1").arg(c);
  return QString(QChar::fromLatin1(static_cast<char>(c)));
}

float& CharTableModel::Value(int row, int column) const {
  return column == 1 ? s_.CharTable[row].spacing : s_.CharTable[row].height;
}

QWidget* TableNumberDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const {
  QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
  if (auto* line = qobject_cast<QLineEdit*>(editor)) {
    static const QRegularExpression mask(R"([-+]?\d{0,4}(\.\d{0,5})?)");
    line->setValidator(new QRegularExpressionValidator(mask, line));
  }
  return editor;
}

SettingsTable::SettingsTable(QWidget* parent) : QTableView(parent) {
  setItemDelegate(new TableNumberDelegate(this));
  verticalHeader()->hide();
}

// The two value columns share the width beside the first, whatever size the table has when it shows.
void SettingsTable::setModel(QAbstractItemModel* model) {
  QTableView::setModel(model);
  horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
}

void SettingsTable::CommitEdit() {
  if (state() != QAbstractItemView::EditingState) return;
  QWidget* editor = QApplication::focusWidget();
  if (!editor || !isAncestorOf(editor)) editor = indexWidget(currentIndex());
  if (!editor) return;
  commitData(editor);
  closeEditor(editor, QAbstractItemDelegate::NoHint);
}

}  // namespace quill
