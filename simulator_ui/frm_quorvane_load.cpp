// The main window's load: the window's own part of starting a loaded game.
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <memory>
#include <string>

#include "frm_quorvane.h"
#include "frm_slot_chart.h"
#include "statistics_hits.h"
#include "symbol_cell.h"
#include "text_format.h"
#include "ui_platform.h"

void frmQuorvane::Form_Load() {
  using tamberlo::ui::Px;
  auto& s = state_;

  PlaceByFrame();
  tamberlo::ui::WhenFrameChanges(this, [this] { PlaceByFrame(); });
  // The RTP as the user's own numbers read; the files keep the point.
  const QString rtp = QString::fromStdString(tamberlo::PlainText(s.Game_RTP)).replace('.', QLocale().decimalPoint());
  setWindowTitle(windowTitle() + " RTP = " + rtp + "% " + " ver." + QString::fromStdString(s.GameVersion));
  Label2->setText("Tamberlo\nAll rights reserved\nOskarth Ltd.");

  for (int reel = 0; reel < tamberlo::kReels; ++reel) {
    Picture1[reel]->SetPicture(ImageList1.at(s.ReelStrip[s.ReelLast[reel]][reel]));
    Picture1[reel + 5]->SetPicture(ImageList1.at(s.ReelStrip[0][reel]));
    Picture1[reel + 10]->SetPicture(ImageList1.at(s.ReelStrip[1][reel]));
  }

  // The symbol window fits its square cells, as wide as their pictures:
  // the banner's 975 twips, then three rows of five.
  const int w = Picture1[1]->width() * 15;
  Picture2->setGeometry(tamberlo::ui::TwipsRect(200, 60, 5 * w, 3 * w + 975));
  for (int cell = 0; cell < tamberlo::kCells; ++cell) {
    const int row = cell / tamberlo::kReels, reel = cell % tamberlo::kReels;
    Picture1[cell]->move(Px(reel * w), Px(975 + row * w));
  }

  statistics_ = std::make_unique<StatisticsHits>(s);
  chart_ = std::make_unique<frmSlotChart>(s, logs_, *this);

  cmdReels_Click(s.StopReel);
  SetLabel(tamberlo::LabelSlot::Cash, {.kind = tamberlo::LabelKind::Cash, .credits = s.Cash});
  SetLabel(tamberlo::LabelSlot::CashTotal, {.kind = tamberlo::LabelKind::CashTotal, .credits = s.CashIn});
  PushLabels();

  logs_.Open();
}

// At the bottom right of the screen, 60 twips from its right edge and 480
// above its bottom edge, by the outer frame; the window manager adds the
// frame only once the window is shown, so this runs again when it does.
void frmQuorvane::PlaceByFrame() {
  using tamberlo::ui::Px;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    const QSize outer = frameGeometry().size();
    move(area.x() + area.width() - outer.width() - Px(60), area.y() + area.height() - outer.height() - Px(480));
  }
}

void frmQuorvane::ShowWindows() {
  // Shown only once the load has succeeded, so a failed start shows no window.
  statistics_->show();
  chart_->show();
  show();
  cmdStart->setFocus();
}
