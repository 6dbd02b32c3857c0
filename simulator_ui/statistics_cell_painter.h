#pragma once
// Paints the statistics grid's body cells straight from the grid: a fill and
// a right-aligned number drawn from glyphs worked out once per font. The
// style's per-item text layout would cost far more than the refresh itself.
#include <QFont>
#include <QRawFont>
#include <QStyledItemDelegate>

#include "statistics_grid.h"

class StatisticsCellPainter : public QStyledItemDelegate {
 public:
  StatisticsCellPainter(const StatisticsGrid& grid, QObject* parent);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  static constexpr int kSymbols = 11;  // the digits and the minus sign

  void LearnFont(const QFont& font) const;

  const StatisticsGrid& grid_;
  mutable QFont font_;
  mutable QRawFont raw_;
  mutable quint32 glyphs_[kSymbols] = {};
  mutable qreal advances_[kSymbols] = {};
};
