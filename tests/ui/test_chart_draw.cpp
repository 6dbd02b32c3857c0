// DrawPercent: sweeps, the three lines, the run flag and Percent_10000.txt.
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <initializer_list>
#include <memory>
#include <utility>

#include "frm_slot_chart.h"
#include "test_chart_support.h"

using chart_test::ColourNear;
using chart_test::Pixel;

namespace {
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);
constexpr double kWidth = 520;  // 500 steps + 20
}  // namespace

class ChartDrawTest : public QObject {
  Q_OBJECT

  std::unique_ptr<chart_test::FreshFolder> folder_;
  tamberlo::GameState state_;
  tamberlo::RunLogs logs_;
  chart_test::RecordingDisplay display_;
  std::unique_ptr<frmSlotChart> chart_;

  // The counters as the run loop leaves them at call `call`, one call per 100 games.
  void Reach(int call, int64_t totalWin) {
    state_.Games = 100LL * call;
    state_.TotalBet = 2000LL * call;
    state_.TotalWin = totalWin;
  }
  QCheckBox* Check(const char* name) { return chart_->findChild<QCheckBox*>(name); }
  void SetBoxes(std::initializer_list<std::pair<const char*, const char*>> boxes) {
    QPushButton* setup = chart_->findChild<QPushButton*>("cmdCharSetup");
    setup->click();
    for (const auto& [name, text] : boxes) chart_->findChild<QLineEdit*>(name)->setText(text);
    setup->click();
  }
  QStringList PercentLines() {
    logs_.Close();
    QFile file("Percent_10000.txt");
    if (!file.open(QIODevice::ReadOnly)) return {"missing"};
    QStringList lines = QString::fromLatin1(file.readAll()).split("\r\n");
    lines.removeLast();  // after the last CR LF
    return lines;
  }

 private slots:
  void init() {
    folder_ = std::make_unique<chart_test::FreshFolder>();
    state_ = tamberlo::GameState();
    state_.Game_RTP = 95.0f;  // Min 55, Step 4: y = (percent - 55) * 2.5
    display_.runFlags.clear();
    logs_.Open();
    chart_ = std::make_unique<frmSlotChart>(state_, logs_, display_);
  }
  void cleanup() {
    chart_.reset();
    logs_.Close();
    folder_.reset();
  }

  void firstCallRisesFromTheBottomLeft() {
    Reach(1, 1500);  // 75 percent: y = 50
    chart_->DrawPercent();
    const QImage image = chart_->ChartImage();
    QVERIFY(ColourNear(image, Pixel(image, kWidth, 11, 50), kRed, 1));
    QVERIFY(ColourNear(image, Pixel(image, kWidth, 10, 2), kRed, 1));
    QVERIFY(!ColourNear(image, Pixel(image, kWidth, 13, 50), kRed, 1));
    QVERIFY(display_.runFlags.empty());
  }

  void nextSegmentStartsFromTheLastPointRoundedHalfToEven() {
    Reach(1, 1500);  // y = 50
    chart_->DrawPercent();
    Reach(2, 2400);  // 60 percent: y = 12.5, kept as 12
    chart_->DrawPercent();
    Reach(3, 3600);
    chart_->DrawPercent();
    const QImage image = chart_->ChartImage();
    // The third segment starts at y = 12, below where the second one ended; from 13 no red
    // would reach that low.
    QVERIFY(ColourNear(image, Pixel(image, kWidth, 12, 12), kRed, 1));
  }

  void firstSweepEndsAtTheCallFor49900Games() {
    Check("chkSave")->setChecked(true);
    Check("chkContinue")->setChecked(false);
    for (int call = 1; call <= 498; ++call) {
      Reach(call, 1500LL * call);
      chart_->DrawPercent();
    }
    QVERIFY(display_.runFlags.empty());
    QVERIFY(QDir().entryList({"*.bmp"}).isEmpty());
    const QRect summary(Pixel(chart_->ChartImage(), kWidth, 10, 10), QSize(200, 14));
    QCOMPARE(chart_test::CountDark(chart_->ChartImage(), summary), 0);

    Reach(499, 1147700);  // 115 percent overall: y = 150
    chart_->DrawPercent();
    QCOMPARE(display_.runFlags, std::vector<bool>{false});
    const QImage bitmap("Test 49900.bmp", "BMP");
    QCOMPARE(bitmap.size(), chart_->size());
    QVERIFY(chart_test::CountDark(bitmap, summary) > 20);
    // The bitmap shows the sweep without its last point; the window has it.
    QVERIFY(ColourNear(bitmap, Pixel(bitmap, kWidth, 508, 50), kRed, 1));
    QVERIFY(!ColourNear(bitmap, Pixel(bitmap, kWidth, 509, 140), kRed, 2));
    QVERIFY(ColourNear(chart_->ChartImage(), Pixel(bitmap, kWidth, 509, 140), kRed, 2));
  }

  void sweepStartClearsOnlyWithClearChecked() {
    for (int call = 1; call <= 500; ++call) {
      Reach(call, 1500LL * call);
      chart_->DrawPercent();
    }
    // Without "Clear" the new sweep is drawn over the old one.
    QVERIFY(ColourNear(chart_->ChartImage(), Pixel(chart_->ChartImage(), kWidth, 300, 50), kRed, 1));

    Check("chkClear")->setChecked(true);
    for (int call = 501; call <= 1000; ++call) {
      Reach(call, 1500LL * call);
      chart_->DrawPercent();
    }
    QVERIFY(display_.runFlags.empty());  // "Continue" checked: sweeps follow each other
    const QImage image = chart_->ChartImage();
    const int right = Pixel(image, kWidth, 12, 0).x();
    QCOMPARE(chart_test::CountColour(image, kRed, QRect(right, 0, image.width(), image.height())), 0);
    QVERIFY(ColourNear(image, Pixel(image, kWidth, 10, 50), kRed, 1));
  }

  void uncheckedChartOnlyAdvancesTheCounter() {
    SetBoxes({{"txtCounterRST2", "2"}});
    Reach(1, 1500);
    chart_->DrawPercent();
    const QImage drawn = chart_->ChartImage();
    Check("chkChart")->setChecked(false);
    for (int call = 2; call <= 5; ++call) {
      Reach(call, 1500LL * call);
      chart_->DrawPercent();
    }
    QCOMPARE(chart_->ChartImage(), drawn);

    Check("chkChart")->setChecked(true);
    Reach(6, 13800);  // 115 percent: y = 150, at x position 6
    chart_->DrawPercent();
    const QImage image = chart_->ChartImage();
    QVERIFY(ColourNear(image, Pixel(image, kWidth, 16, 150), kRed, 1));
    QVERIFY(!ColourNear(image, Pixel(image, kWidth, 12, 150), kRed, 1));
    // No window was reset meanwhile: the one line covers every call so far.
    QCOMPARE(PercentLines(), QStringList{"115.000000     600 "});
  }

  void percentLinesCoverTheirWindows() {
    for (int call = 1; call <= 100; ++call) {
      Reach(call, call == 100 ? 15000 : 0);  // 7.5 percent since the start
      chart_->DrawPercent();
    }
    for (int call = 101; call <= 200; ++call) {
      Reach(call, call == 200 ? 215500 : 15000);  // 100.25 percent of the window
      chart_->DrawPercent();
    }
    QCOMPARE(PercentLines(),
             (QStringList{"07.500000      10000 ", "100.250000     20000 "}));
  }

  void windowOfOneCallHidesItsLineAndSkipsAWindowWithoutBet() {
    SetBoxes({{"txtCounterRST1", "1"}, {"txtCounterRST2", "1"}});
    Reach(1, 1500);
    chart_->DrawPercent();
    chart_->DrawPercent();  // a free spin at the same game count: no bet since the reset
    Reach(2, 1500 + 3000);
    chart_->DrawPercent();
    QCOMPARE(PercentLines(), (QStringList{"75.000000      100 ", "150.000000     200 "}));
    const QImage image = chart_->ChartImage();
    QCOMPARE(chart_test::CountColour(image, kBlue, image.rect()), 0);
    QCOMPARE(chart_test::CountColour(image, kGreen, image.rect()), 0);
  }

  void negativeWindowLengthsCountLikeTheirSize() {
    chart_test::Answers answers(tamberlo::ui::Answer::Ok);
    SetBoxes({{"txtCounterRST1", "-1"}, {"txtCounterRST2", "-2"}});
    QVERIFY(answers.asked.isEmpty());
    for (int call = 1; call <= 4; ++call) {
      Reach(call, 1500LL * call);
      chart_->DrawPercent();
    }
    QCOMPARE(PercentLines(), (QStringList{"75.000000      200 ", "75.000000      400 "}));
    // Only a length of exactly 1 hides a line.
    QVERIFY(chart_test::CountColour(chart_->ChartImage(), kGreen, chart_->ChartImage().rect()) > 0);
  }

  void greenWindowDividesByItsBetLessOne() {
    SetBoxes({{"txtCounterRST1", "2"}, {"txtCounterRST2", "2"}});
    Reach(1, 2300);  // 115 percent: y = 150, above where the windows' lines end
    chart_->DrawPercent();
    Reach(2, 4600);
    chart_->DrawPercent();  // both windows reset here
    state_.TotalBet += 20;
    state_.TotalWin += 19;  // green: 19 / 19 = 100 percent, blue: 19 / 20 = 95 percent
    chart_->DrawPercent();
    const QImage image = chart_->ChartImage();
    QVERIFY(ColourNear(image, Pixel(image, kWidth, 13, 112.5), kGreen, 1));
    QVERIFY(ColourNear(image, Pixel(image, kWidth, 13, 100), kBlue, 1));
  }

  void pointsFarOffTheChartAreClippedAndTheNextSegmentStartsThere() {
    SetBoxes({{"txtCounterRST1", "2"}});
    Reach(1, 1500);
    chart_->DrawPercent();
    Reach(2, 3000);
    chart_->DrawPercent();  // green resets: its next bet base is one above the bet
    state_.TotalWin += 2000000000LL;
    chart_->DrawPercent();  // a step in a series: the green window's bet is -1
    QVERIFY(ColourNear(chart_->ChartImage(), Pixel(chart_->ChartImage(), kWidth, 12.5, 10), kGreen, 2));
    Reach(3, state_.TotalWin);
    chart_->DrawPercent();  // comes back up from far below the chart
    const QImage image = chart_->ChartImage();
    QVERIFY(ColourNear(image, Pixel(image, kWidth, 13, 5), kGreen, 2));
    QVERIFY(ColourNear(image, Pixel(image, kWidth, 13, 195), kRed, 2));
  }
};

QTEST_MAIN(ChartDrawTest)
#include "test_chart_draw.moc"
