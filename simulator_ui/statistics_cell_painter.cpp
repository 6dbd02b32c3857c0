#include "statistics_cell_painter.h"

#include <QGlyphRun>
#include <QPainter>

namespace {

constexpr int kMaxChars = 20;  // the longest 64-bit number

// Body cells only ever hold the decimal text of a number.
int SymbolOf(char c) { return c == '-' ? 10 : c - '0'; }

}  // namespace

StatisticsCellPainter::StatisticsCellPainter(const StatisticsGrid& grid, QObject* parent)
    : QStyledItemDelegate(parent), grid_(grid) {}

void StatisticsCellPainter::LearnFont(const QFont& font) const {
  font_ = font;
  raw_ = QRawFont::fromFont(font);
  const QList<quint32> glyphs = raw_.glyphIndexesForString(QStringLiteral("0123456789-"));
  const QList<QPointF> advances = raw_.advancesForGlyphIndexes(glyphs);
  for (int i = 0; i < kSymbols && i < glyphs.size(); ++i) {
    glyphs_[i] = glyphs[i];
    advances_[i] = advances[i].x();
  }
}

void StatisticsCellPainter::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
  const int row = index.row() + 1;
  const int col = index.column() + 1;
  const QColor background = CellBackground(grid_.Colour(row, col));
  painter->fillRect(option.rect, background.isValid() ? background : option.palette.color(QPalette::Base));
  const std::string_view text = grid_.Text(row, col);
  if (text.empty()) return;

  if (!raw_.isValid() || painter->font() != font_) LearnFont(painter->font());
  quint32 glyphs[kMaxChars];
  QPointF positions[kMaxChars];
  qreal x = 0;
  const int size = static_cast<int>(std::min(text.size(), size_t{kMaxChars}));
  for (int i = 0; i < size; ++i) {
    const int symbol = SymbolOf(text[static_cast<size_t>(i)]);
    glyphs[i] = glyphs_[symbol];
    positions[i] = QPointF(x, 0);
    x += advances_[symbol];
  }
  QGlyphRun run;
  run.setRawFont(raw_);
  run.setRawData(glyphs, positions, size);
  const QRect& r = option.rect;
  const qreal baseline = r.top() + (r.height() - raw_.ascent() - raw_.descent()) / 2 + raw_.ascent();
  painter->setPen(option.palette.color(QPalette::Text));
  painter->drawGlyphRun(QPointF(r.right() - 3 - x, baseline), run);
}
