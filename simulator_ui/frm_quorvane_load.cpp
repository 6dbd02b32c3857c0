// The main window's load: from the head of the definition to a playable game.
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <cerrno>
#include <ctime>
#include <memory>
#include <string>

#include "definition_file.h"
#include "file_failure.h"
#include "frm_quorvane.h"
#include "frm_slot_chart.h"
#include "report.h"
#include "statistics_hits.h"
#include "symbol_cell.h"
#include "text_format.h"
#include "ui_platform.h"

namespace {

constexpr const char* kDefinitionFile = "ReelSetup.ini";

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

void frmQuorvane::Form_Load() {
  using tamberlo::ui::Px;
  auto& s = state_;

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.x() + area.width() - width() - Px(60), area.y() + area.height() - height() - Px(480));
  }
  setWindowTitle(windowTitle() + " RTP = " + QString::fromStdString(tamberlo::PlainText(s.Game_RTP)) +
                 "% " + " ver." + QString::fromStdString(s.GameVersion));
  s.FigureNameList.assign(std::begin(s.FigureName), std::end(s.FigureName));
  Label2->setText("Tamberlo\nAll rights reserved\nOskarth Ltd.");

  tamberlo::BodyPass body(kDefinitionFile);
  body.ReadStrips(s);
  s.GamesPerRun = 100'000'000;
  body.ReadPayTable(s);

  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  std::unique_ptr<std::FILE, FileCloser> report(tamberlo::WriteGameDescription(s, local));

  for (int reel = 0; reel < tamberlo::kReels; ++reel) {
    Picture1[reel]->SetPicture(ImageList1.at(s.ReelStrip[s.ReelLast[reel]][reel]));
    Picture1[reel + 5]->SetPicture(ImageList1.at(s.ReelStrip[0][reel]));
    Picture1[reel + 10]->SetPicture(ImageList1.at(s.ReelStrip[1][reel]));
  }

  // Cell layout in twips, as the frame measures it.
  const int w = Picture1[1]->width() * 15;
  Picture2->setGeometry(tamberlo::ui::TwipsRect(200, 60, 5 * w, 3 * w + 975));
  for (int cell = 0; cell < tamberlo::kCells; ++cell) {
    const int row = cell / tamberlo::kReels, reel = cell % tamberlo::kReels;
    Picture1[cell]->move(Px(reel * w), Px(975 + row * w));
  }

  statistics_ = std::make_unique<StatisticsHits>(s);
  chart_ = std::make_unique<frmSlotChart>(s, logs_, *this);

  s.StopReel = 4;
  cmdReels_Click(4);

  if (std::fclose(report.release()) != 0) {
    throw std::runtime_error(tamberlo::FileFailure(s.ReportFileName, errno));
  }

  s.Cash = 1'000'000;
  s.CashIn = 1'000'000;
  SetLabel(5, {tamberlo::LabelKind::Cash, s.Cash});
  SetLabel(6, {tamberlo::LabelKind::CashTotal, s.CashIn});
  PushLabels();

  logs_.Open();
}

void frmQuorvane::ShowWindows() {
  // Shown only once the load has succeeded, so a failed start shows no window.
  statistics_->show();
  chart_->show();
  show();
  cmdStart->setFocus();
}
