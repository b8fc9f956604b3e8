// The settings dialog's two tables, shown straight over the settings: the curve point table and the
// per-character spacing and height table.
#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <array>

namespace quill {

struct EngravingSettings;

// A table of three columns over the settings: a read-only first column and two numbers per row.
class SettingsTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  SettingsTableModel(EngravingSettings& s, std::array<const char*, 3> headers, QObject* parent)
      : QAbstractTableModel(parent), s_(s), headers_(headers) {}
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // The settings changed behind the table (point count, character count, project read).
  void Refresh();

 protected:
  virtual QString FirstColumn(int row) const = 0;
  // The number in column 1 or 2 of the row.
  virtual float& Value(int row, int column) const = 0;
  EngravingSettings& s_;

 private:
  std::array<const char*, 3> headers_;
  int shownRows_ = -1;
};

// "Pt #", "-X-", "-Y-": the points of the curve in use.
class CurvePointModel : public SettingsTableModel {
  Q_OBJECT

 public:
  explicit CurvePointModel(EngravingSettings& s, QObject* parent = nullptr)
      : SettingsTableModel(s, {"Pt #", "-X-", "-Y-"}, parent) {}
  int rowCount(const QModelIndex& parent = {}) const override;

 protected:
  QString FirstColumn(int row) const override;
  float& Value(int row, int column) const override;
};

// "Char", "Spacing", "Height": one row per character of the editor text, line breaks included.
class CharTableModel : public SettingsTableModel {
  Q_OBJECT

 public:
  explicit CharTableModel(EngravingSettings& s, QObject* parent = nullptr)
      : SettingsTableModel(s, {"Char", "Spacing", "Height"}, parent) {}
  int rowCount(const QModelIndex& parent = {}) const override;

 protected:
  QString FirstColumn(int row) const override;
  float& Value(int row, int column) const override;
};

// Cells take numbers of the form "####.#####" (an optional sign, up to four digits before the point
// and five after).
class TableNumberDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

class SettingsTable : public QTableView {
  Q_OBJECT

 public:
  explicit SettingsTable(QWidget* parent = nullptr);
  void setModel(QAbstractItemModel* model) override;
  // Ends an edit in progress and keeps the value typed so far.
  void CommitEdit();
};

}  // namespace quill
