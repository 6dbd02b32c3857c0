#include "statistics_grid.h"

#include <QBrush>
#include <QColor>

#include "ui_platform.h"

QColor CellBackground(CellColour colour) {
  switch (colour) {
    case CellColour::White:
      return tamberlo::ui::Rgb(255, 255, 255);
    case CellColour::Red:
      return tamberlo::ui::Rgb(255, 0, 0);
    case CellColour::Yellow:
      return tamberlo::ui::Rgb(255, 255, 0);
    case CellColour::Default:
      break;
  }
  return {};
}

QString GridString(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

StatisticsGrid::StatisticsGrid(QObject* parent) : QAbstractTableModel(parent) {}

std::string_view StatisticsGrid::Text(int row, int col) const {
  if (row == 0) return headerRow_.at(static_cast<size_t>(col));
  if (col == 0) return labelColumn_.at(static_cast<size_t>(row));
  const Cell& cell = body_.at(static_cast<size_t>(BodyIndex(row, col)));
  return {cell.text, cell.size};
}

void StatisticsGrid::SetFixedText(int row, int col, std::string text) {
  if (row == 0) {
    headerRow_.at(static_cast<size_t>(col)) = std::move(text);
    if (col > 0) emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
  } else {
    labelColumn_.at(static_cast<size_t>(row)) = std::move(text);
    emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
  }
}

void StatisticsGrid::NotifyBodyChanged() {
  emit dataChanged(index(0, 0), index(kRows - 2, kCols - 2), {Qt::DisplayRole, Qt::BackgroundRole});
}

int StatisticsGrid::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kRows - 1; }

int StatisticsGrid::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kCols - 1; }

QVariant StatisticsGrid::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int row = index.row() + 1;
  const int col = index.column() + 1;
  switch (role) {
    case Qt::DisplayRole:
      return GridString(Text(row, col));
    case Qt::BackgroundRole: {
      const QColor colour = CellBackground(Colour(row, col));
      return colour.isValid() ? QVariant(QBrush(colour)) : QVariant();
    }
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    default:
      return {};
  }
}

QVariant StatisticsGrid::headerData(int section, Qt::Orientation orientation, int role) const {
  const bool horizontal = orientation == Qt::Horizontal;
  switch (role) {
    case Qt::DisplayRole:
      return GridString(horizontal ? Text(0, section + 1) : Text(section + 1, 0));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
      return {};
  }
}
