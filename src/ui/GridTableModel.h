#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "editing/JobDocument.h"
#include "editing/PageCommands.h"

namespace q5300::ui {

// Shows the document's pages to a Qt item view: ten columns worked out from
// each page, a check box in column 0, every text centred, the lines of a page
// that does not fit in red with the reason as the row's tooltip. It keeps only
// which pages it shows, so that it can tell the view what came and went; a
// ticked box goes to the page commands as a change.
class GridTableModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  GridTableModel(const JobDocument& document, PageCommands& pages, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // The document changed: the view learns which rows came and went (a page
  // added or deleted), or that all of them did, and that every cell may show
  // something new.
  void Sync();

 signals:
  void headerCheckChanged(int column);

 private:
  const JobDocument& document_;
  PageCommands& pages_;
  std::vector<PageId> shown_;
  int headerCheck_ = -1;
};

}  // namespace q5300::ui
