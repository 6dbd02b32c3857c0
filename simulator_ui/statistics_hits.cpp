#include "statistics_hits.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <QTableView>
#include <algorithm>
#include <chrono>

#include "statistics_cell_painter.h"
#include "statistics_clipboard.h"
#include "text_format.h"
#include "ui_platform.h"

namespace {

using tamberlo::ui::Px;

constexpr int kCellChars = 11;  // a cell's width in the report
constexpr int kCellMargin = 4;  // room on either side of a number, borders included
const char* const kCopyingText = "Копиране на данните в клипборда!";
const char* const kCopiedText = "Данните са в клипборда!";

int RowOf(int figure, int count) { return 4 * figure + count - 1; }

// The table view's corner button draws an empty header section; the grid's
// top-left cell ("Win Name") lives there.
class CornerText : public QObject {
 public:
  CornerText(QAbstractButton* corner, const StatisticsGrid& grid) : QObject(corner), grid_(grid) {
    corner->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    auto* corner = static_cast<QAbstractButton*>(watched);
    QStylePainter painter(corner);
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.rect = corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = GridString(grid_.Text(0, 0));
    option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    painter.drawControl(QStyle::CE_Header, option);
    return true;
  }

 private:
  const StatisticsGrid& grid_;
};

}  // namespace

StatisticsHits::StatisticsHits(const tamberlo::GameState& state, QWidget* parent)
    : QWidget(parent, Qt::Window),
      state_(state),
      grid_(new StatisticsGrid(this)),
      view_(new QTableView(this)),
      label1_(new QLabel(this)) {
  setWindowTitle("Statistics (HITS)");
  setFont(tamberlo::ui::SansFont(8.25));
  resize(Px(4680), Px(3195));
  // Below the chart, which takes the top 5/8 of the screen, at the left: the
  // main window stands at the bottom right.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.x(), area.y() + area.height() * 5 / 8 + Px(480));
  }

  view_->setModel(grid_);
  view_->setItemDelegate(new StatisticsCellPainter(*grid_, view_));
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setSelectionMode(QAbstractItemView::NoSelection);
  // A focused current cell would tint its colour away.
  view_->setFocusPolicy(Qt::NoFocus);
  const int rowHeight = fontMetrics().height() + 4;
  view_->verticalHeader()->setMinimumSectionSize(rowHeight);
  view_->verticalHeader()->setDefaultSectionSize(rowHeight);
  view_->horizontalHeader()->setDefaultSectionSize(Px(960));
  connect(view_, &QTableView::clicked, this, [this] { CopyGridToClipboard(); });
  if (auto* corner = view_->findChild<QAbstractButton*>()) {
    new CornerText(corner, *grid_);
    connect(corner, &QAbstractButton::clicked, this, [this] { CopyGridToClipboard(); });
  }
  connect(view_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this] { CopyGridToClipboard(); });
  connect(view_->verticalHeader(), &QHeaderView::sectionClicked, this, [this] { CopyGridToClipboard(); });

  label1_->setFixedSize(Px(3255), Px(255));
  label1_->setAlignment(Qt::AlignCenter);
  label1_->setAutoFillBackground(true);
  label1_->hide();

  Form_Load();
}

void StatisticsHits::Form_Load() {
  grid_->SetFixedText(0, 0, "Win Name");
  for (int line = 1; line <= tamberlo::kLines; ++line) {
    grid_->SetFixedText(0, line, "Line" + tamberlo::BlankLed(int64_t{line}));
  }
  grid_->SetFixedText(0, 21, "SPECIAL");
  grid_->SetFixedText(0, 22, "HITS");
  grid_->SetFixedText(0, 23, "WIN");
  grid_->SetFixedText(0, 24, "TOTAL");
  for (int figure = 0; figure < tamberlo::kFigures; ++figure) {
    for (int count = 2; count <= 5; ++count) {
      const int row = RowOf(figure, count);
      const std::string& name = state_.FigureNameList.at(static_cast<size_t>(figure));
      grid_->SetFixedText(row, 0, tamberlo::BlankLed(int64_t{count}) + " " + name);
      grid_->WriteNumber(row, 23, state_.PayTable[figure][count]);
    }
  }
}

void StatisticsHits::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Form_Resize();
}

void StatisticsHits::Form_Resize() { view_->setGeometry(rect()); }

void StatisticsHits::ShowHits() {
  if (isMinimized()) return;
  if (state_.QuietMode == 1) return;
  // No signal per cell: the view hears of the whole block once, at the end.
  for (int figure = 0; figure < tamberlo::kFigures; ++figure) {
    for (int count = 2; count <= 5; ++count) {
      const int row = RowOf(figure, count);
      const int16_t pay = state_.PayTable[figure][count];
      const CellColour moved = pay != 0 ? CellColour::Red : CellColour::Yellow;
      int64_t hits = 0;
      int64_t wins = 0;
      for (int slot = 0; slot <= tamberlo::kScatterSlot; ++slot) {
        const int64_t slotHits = state_.LineHits[slot][count][figure];
        const bool changed = grid_->WriteNumber(row, slot + 1, slotHits);
        grid_->SetColour(row, slot + 1, changed ? moved : CellColour::White);
        hits += slotHits;
        wins += state_.LineWins[slot][figure][count];
      }
      grid_->WriteNumber(row, 22, hits);
      grid_->WriteNumber(row, 23, pay);
      grid_->WriteNumber(row, 24, wins);
    }
  }
  repaint_.Request();
}

void StatisticsHits::RepaintGridNow() {
  FitColumns();
  grid_->NotifyBodyChanged();
}

void StatisticsHits::FitColumns() {
  const QFontMetrics metrics = view_->fontMetrics();
  int symbol = metrics.horizontalAdvance(QChar('-'));
  for (char digit = '0'; digit <= '9'; ++digit) symbol = std::max(symbol, metrics.horizontalAdvance(QChar(digit)));
  QHeaderView* header = view_->horizontalHeader();
  for (int col = 1; col < StatisticsGrid::kCols; ++col) {
    size_t longest = 0;
    for (int row = 1; row < StatisticsGrid::kRows; ++row) longest = std::max(longest, grid_->Text(row, col).size());
    const int needed = static_cast<int>(longest) * symbol + 2 * kCellMargin;
    if (header->sectionSize(col - 1) < needed) header->resizeSection(col - 1, needed);
  }
}

std::string StatisticsHits::SaveHits() {
  // Maximised, the refresh runs even for a minimised window.
  const Qt::WindowStates noted = windowState();
  setWindowState((noted & ~Qt::WindowMinimized) | Qt::WindowMaximized);
  ShowHits();
  setWindowState(noted);

  std::string section = "HIT DESCRIPTION\r\n";
  section.reserve(section.size() + StatisticsGrid::kRows * (StatisticsGrid::kCols * kCellChars + 2));
  for (int row = 0; row < StatisticsGrid::kRows; ++row) {
    for (int col = 0; col < StatisticsGrid::kCols; ++col) {
      const std::string_view text = grid_->Text(row, col).substr(0, kCellChars);
      section.append(text);
      section.append(kCellChars - text.size(), ' ');
    }
    section.append("\r\n");
  }
  return section;
}

QString StatisticsHits::GridClipboardText() const {
  std::string text;
  for (int row = 0; row < StatisticsGrid::kRows; ++row) {
    for (int col = 0; col < StatisticsGrid::kCols; ++col) {
      text.append(grid_->Text(row, col));
      text.push_back('\t');
    }
    text.append("\r\n");
  }
  using tamberlo::PlainText;
  text += "TotalBet\t" + PlainText(state_.TotalBet) + "\tTotalWin\t" + PlainText(state_.TotalWin) + "\r\n";
  text += "FreeGames\t" + PlainText(state_.FreeGames) + "\tFreeWin\t" + PlainText(state_.FreeWin);
  return GridString(text);
}

// The grid's redrawing is left on: the view hears of changes only at the end
// of a refresh anyway, and a view with its updates off paints nothing at all
// when it is uncovered during the two seconds.
void StatisticsHits::CopyGridToClipboard() {
  tamberlo::ui::WaitClock& clock = tamberlo::ui::CurrentWaitClock();
  auto start = clock.Now();
  const QSize outer = frameGeometry().size();
  label1_->move((outer.width() - label1_->width()) / 2, (outer.height() - label1_->height()) / 2);
  label1_->raise();
  label1_->show();
  const QString text = GridClipboardText();
  label1_->setText(QString::fromUtf8(kCopyingText));
  const bool copied = tamberlo::ui::PutTextOnClipboard(text);
  tamberlo::ui::WaitOneSecondFrom(start);
  if (copied) {
    start = clock.Now();
    tamberlo::ui::Beep();
    label1_->setText(QString::fromUtf8(kCopiedText));
    tamberlo::ui::WaitOneSecondFrom(start);
  }
  label1_->hide();
  if (!copied) tamberlo::ui::MessageBox(this, "The statistics could not be put on the clipboard.");
}
