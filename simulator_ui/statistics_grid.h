#pragma once
// The statistics grid's cells: 53 x 25 texts with a fixed header row and
// column, and the background colour of every body cell. The texts are the
// grid's whole state; a body cell keeps the number its text reads as beside
// it, so a refresh compares without parsing or building any string.
//
// Shown through a table view: rows 1..52 and columns 1..24 are the model's
// items, row 0 and column 0 its header data.
#include <QAbstractTableModel>
#include <QColor>
#include <array>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

enum class CellColour : uint8_t { Default, White, Red, Yellow };

class StatisticsGrid : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kRows = 53;
  static constexpr int kCols = 25;

  explicit StatisticsGrid(QObject* parent = nullptr);

  std::string_view Text(int row, int col) const;
  // Header row and label column only.
  void SetFixedText(int row, int col, std::string text);

  // Body cells (row, col >= 1). Writes the number as plain decimal text and
  // returns whether it differs from what the old text read as (empty = 0).
  bool WriteNumber(int row, int col, int64_t value) {
    Cell& cell = body_[BodyIndex(row, col)];
    const bool changed = cell.value != value;
    if (changed || cell.size == 0) {
      cell.size = static_cast<uint8_t>(std::to_chars(cell.text, cell.text + sizeof cell.text, value).ptr -
                                       cell.text);
      cell.value = value;
    }
    return changed;
  }
  void SetColour(int row, int col, CellColour colour) { body_[BodyIndex(row, col)].colour = colour; }
  CellColour Colour(int row, int col) const { return body_[BodyIndex(row, col)].colour; }

  // Tells the views once that the whole body may have changed.
  void NotifyBodyChanged();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  struct Cell {
    int64_t value = 0;
    CellColour colour = CellColour::Default;
    uint8_t size = 0;  // 0: empty text
    char text[20];     // fits every 64-bit number
  };

  static int BodyIndex(int row, int col) { return (row - 1) * (kCols - 1) + (col - 1); }

  std::array<std::string, kCols> headerRow_;   // row 0, corner included
  std::array<std::string, kRows> labelColumn_; // column 0; [0] unused
  std::array<Cell, (kRows - 1) * (kCols - 1)> body_{};
};

// The colour of a cell's background; invalid for the grid's default.
QColor CellBackground(CellColour colour);

// Grid texts are single-byte, like the definition file they come from.
QString GridString(std::string_view text);
