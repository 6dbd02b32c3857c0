// The main window as the engine's Display.
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "frm_quorvane.h"
#include "frm_slot_chart.h"
#include "statistics_hits.h"
#include "symbol_cell.h"
#include "symbol_lines.h"
#include "ui_platform.h"

namespace {

QString WindowText(std::string_view text) {
  QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  s.remove(QChar('\r'));
  return s;
}

}  // namespace

void frmQuorvane::DrawScreen() {
  for (int row = 0; row < tamberlo::kRows; ++row) {
    for (int reel = 0; reel < tamberlo::kReels; ++reel) {
      Picture1[row * tamberlo::kReels + reel]->SetPicture(ImageList1.at(state_.Screen[row][reel]));
    }
  }
}

void frmQuorvane::DrawWinLine(int line) {
  const int w = ImageList1[0].width(), h = ImageList1[0].height();
  const QColor colour = tamberlo::ui::LineColour(line);
  for (int reel = 0; reel < tamberlo::kReels; ++reel) {
    const int row = state_.WinLineRow[line][reel];
    for (const auto& segment : tamberlo::ui::LineSegments(state_.WinLineShape[line][reel], w, h)) {
      const int r = row + segment.rowStep, k = reel + segment.reelStep;
      if (r < 0 || r >= tamberlo::kRows || k >= tamberlo::kReels) continue;
      Picture1[r * tamberlo::kReels + k]->DrawSegment(segment.from, segment.to, colour);
    }
  }
}

void frmQuorvane::DrawScatterBox(int cell) {
  const int w = ImageList1[0].width(), h = ImageList1[0].height();
  Picture1.at(cell)->DrawBox(QPointF(3, 3), QPointF(w - 3, h - 3), tamberlo::ui::ScatterBoxColour());
}

void frmQuorvane::SetReelCaption(int reel, int stop) {
  cmdReels.at(reel)->setText(QString::number(stop));
}

void frmQuorvane::ClearDetailText() { txtTextBox1->clear(); }

void frmQuorvane::AppendDetailText(std::string_view text) {
  QTextCursor cursor(txtTextBox1->document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(WindowText(text));
}

// Called for every game of a run: store, format later. Field by field, so
// that each load matches the caller's fresh store of that field; a copy of
// the whole value would wait for those stores to drain.
void frmQuorvane::SetLabel(tamberlo::LabelSlot slot, const tamberlo::LabelValue& value) {
  const size_t index = tamberlo::LabelIndex(slot);
  if (index >= labels_.size()) return;
  tamberlo::LabelValue& label = labels_[index];
  label.kind = value.kind;
  label.games = value.games;
  label.winCount = value.winCount;
  label.win = value.win;
  label.bet = value.bet;
  label.credits = value.credits;
  dirtyLabels_ |= 1u << index;
}

void frmQuorvane::PushLabels() {
  if (dirtyLabels_ == 0) return;
  for (size_t i = 0; i < labels_.size(); ++i) {
    if (!(dirtyLabels_ & (1u << i))) continue;
    QLabel* label = Label1[i];
    const QString text = QString::fromStdString(tamberlo::LabelText(labels_[i]));
    label->setFont(tamberlo::ui::FittingFont(labelFont_, text, label->contentsRect().width() - 2 * label->margin()));
    label->setText(text);
  }
  dirtyLabels_ = 0;
}

void frmQuorvane::ShowMessage(std::string_view text) {
  PushLabels();  // the counters behind a message are the ones it speaks of
  tamberlo::ui::MessageBox(this, WindowText(text));
}

void frmQuorvane::SetRunFlag(bool stop) {
  runFlagStop_ = stop;
  cmdAUTO->setText(stop ? "Stop" : "Run");
}

bool frmQuorvane::AutoStopChecked() const { return chkStopJP->isChecked(); }

void frmQuorvane::SetAddEnabled(bool enabled) { cmdAdd->setEnabled(enabled); }

void frmQuorvane::SetStepEnabled(bool enabled) { cmdStart->setEnabled(enabled); }

void frmQuorvane::FocusStep() { cmdStart->setFocus(); }

void frmQuorvane::FocusAdd() { cmdAdd->setFocus(); }

void frmQuorvane::ShowHits() {
  if (statistics_) statistics_->ShowHits();
}

void frmQuorvane::DrawPercent() {
  if (chart_) chart_->DrawPercent();
}

// Only here does a run let other handlers in, at the pace of screen_cadence.h.
void frmQuorvane::ProcessEvents() {
  repaint_.Start();  // only a run processes events on its own
  if (!poll_.Due()) return;
  poll_.Restart();
  if (!repaint_.FrameDue()) {
    QCoreApplication::processEvents();
    return;
  }
  PushLabels();
  const bool wasOpen = repaint_.OpenFrame();
  QCoreApplication::processEvents();
  repaint_.CloseFrame(wasOpen);
}

void frmQuorvane::Save() { cmdSave_Click(); }
