// The chart window's load, its set-up panel and the "Save" snapshot.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <limits>
#include <memory>

#include "frm_slot_chart.h"
#include "frm_slot_chart_setup.h"
#include "frm_slot_chart_summary.h"
#include "test_chart_support.h"

using chart_test::Answers;
using tamberlo::ui::Answer;

class ChartSetupTest : public QObject {
  Q_OBJECT

  std::unique_ptr<chart_test::FreshFolder> folder_;
  tamberlo::GameState state_;
  tamberlo::RunLogs logs_;
  chart_test::RecordingDisplay display_;

  std::unique_ptr<frmSlotChart> Load(float rtp) {
    state_.Game_RTP = rtp;
    return std::make_unique<frmSlotChart>(state_, logs_, display_);
  }
  static QLineEdit* Box(frmSlotChart& chart, const char* name) {
    return chart.findChild<QLineEdit*>(name);
  }
  static void ToggleSetup(frmSlotChart& chart) {
    chart.findChild<QPushButton*>("cmdCharSetup")->click();
  }
  static bool PanelShown(frmSlotChart& chart) {
    return !chart.findChild<QGroupBox*>("fraCharSetup")->isHidden();
  }

 private slots:
  void init() {
    folder_ = std::make_unique<chart_test::FreshFolder>();
    state_ = tamberlo::GameState();
    logs_.Open();
  }
  void cleanup() {
    logs_.Close();
    folder_.reset();
  }

  void loadPlacesTheWindowAndDefaultsFromTheTheoreticalRtp() {
    auto chart = Load(96.5f);
    QCOMPARE(chart->windowTitle(), QString("Slot Chart"));
    QCOMPARE(chart->pos(), QPoint(0, 0));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(chart->size(), QSize(screen.width(), screen.height() * 5 / 8));
    QCOMPARE(chart->ChartImage().size(), chart->size());
    QVERIFY(!PanelShown(*chart));
    QCOMPARE(Box(*chart, "txtMastabi1")->text(), QString("56"));
    QCOMPARE(Box(*chart, "txtMastabi3")->text(), QString("96"));
    QCOMPARE(chart->Setup().MinPercent, int16_t{56});
    QCOMPARE(chart->Setup().TargetPercent, int16_t{96});
    QCOMPARE(chart->Setup().XSizeSteps, int16_t{500});
    QCOMPARE(chart->Setup().StepPercent, int16_t{4});
    QCOMPARE(chart->Setup().CounterReset[1], 500);
    QCOMPARE(chart->Setup().CounterReset[2], 100);

    auto other = Load(97.5f);
    QCOMPARE(Box(*other, "txtMastabi1")->text(), QString("58"));
    QCOMPARE(Box(*other, "txtMastabi3")->text(), QString("98"));
  }

  void emptyChartHasGreyGridDarkerTenthLinesBandAndTarget() {
    auto chart = Load(95.0f);  // 55 .. 135 percent, band 91 .. 99
    const QImage image = chart->ChartImage();
    const double w = 520;
    for (int x : {10, 110, 210, 310, 410, 510}) {
      QVERIFY2(chart_test::ColourNear(image, chart_test::Pixel(image, w, x, 150), QColor(100, 100, 100), 1),
               qPrintable(QString("darker line at %1").arg(x)));
    }
    QVERIFY(!chart_test::ColourNear(image, chart_test::Pixel(image, w, 20, 150), QColor(100, 100, 100), 1));
    QVERIFY(chart_test::ColourNear(image, chart_test::Pixel(image, w, 20, 150), QColor(200, 200, 200), 1));
    // Band 91..99 percent is y 90..110; the target line at y 100 is black.
    QCOMPARE(image.pixelColor(chart_test::Pixel(image, w, 55, 95)), QColor(230, 230, 230));
    QCOMPARE(image.pixelColor(chart_test::Pixel(image, w, 55, 115)), QColor(255, 255, 255));
    QVERIFY(chart_test::ColourNear(image, chart_test::Pixel(image, w, 55, 100), QColor(0, 0, 0), 1));
  }

  void setupEditTakesEffectOnlyWhenThePanelCloses() {
    auto chart = Load(95.0f);
    ToggleSetup(*chart);
    QVERIFY(PanelShown(*chart));
    Box(*chart, "txtMastabi0")->setText("250");
    QCOMPARE(chart->Setup().XSizeSteps, int16_t{500});
    ToggleSetup(*chart);
    QVERIFY(!PanelShown(*chart));
    QCOMPARE(chart->Setup().XSizeSteps, int16_t{250});
    const QImage image = chart->ChartImage();
    for (int x : {10, 110, 210}) {
      QVERIFY(chart_test::ColourNear(image, chart_test::Pixel(image, 270, x, 150), QColor(100, 100, 100), 1));
    }
    QVERIFY(chart_test::ColourNear(image, chart_test::Pixel(image, 270, 260, 150), QColor(200, 200, 200), 1));
  }

  void closingRereadsOnlyAfterAChange() {
    auto chart = Load(95.0f);
    const QImage empty = chart->ChartImage();
    state_.Games = 100;
    state_.TotalBet = 2000;
    state_.TotalWin = 1500;
    chart->DrawPercent();
    QVERIFY(chart->ChartImage() != empty);

    // The load's own writes count as a change: the first close clears the chart.
    ToggleSetup(*chart);
    ToggleSetup(*chart);
    QCOMPARE(chart->ChartImage(), empty);

    chart->DrawPercent();
    const QImage drawn = chart->ChartImage();
    ToggleSetup(*chart);
    ToggleSetup(*chart);
    QCOMPARE(chart->ChartImage(), drawn);
  }

  void printQuestionFollowsAChangedSetupOnly() {
    auto chart = Load(95.0f);
    chart->findChild<QCheckBox*>("chkPrint")->setChecked(true);
    {
      Answers answers(Answer::Ok);
      ToggleSetup(*chart);
      ToggleSetup(*chart);
      QCOMPARE(answers.asked, QStringList{"Print data ?"});
      QCOMPARE(answers.beeps, 1);
    }
    {
      Answers answers(Answer::Cancel);
      ToggleSetup(*chart);
      ToggleSetup(*chart);
      QVERIFY(answers.asked.isEmpty());
      Box(*chart, "txtCounterRST0")->setText("7");
      ToggleSetup(*chart);
      ToggleSetup(*chart);
      QCOMPARE(answers.asked, QStringList{"Print data ?"});
      QCOMPARE(answers.beeps, 0);
    }
  }

  void lenientReadingRoundsHalfToEven() {
    tamberlo::chart::SetupTexts texts = {"12abc", "abc", " 7.5", "6.5", "", "1 000", "2.5"};
    texts[2] = "7.5";
    const tamberlo::chart::SetupReading reading = tamberlo::chart::ReadSetupTexts(texts);
    QVERIFY(!reading.refusal);
    QCOMPARE(reading.setup.XSizeSteps, int16_t{12});
    QCOMPARE(reading.setup.MinPercent, int16_t{0});
    QCOMPARE(reading.setup.StepPercent, int16_t{8});
    QCOMPARE(reading.setup.TargetPercent, int16_t{6});
    QCOMPARE(reading.setup.CounterReset[0], 0);
    QCOMPARE(reading.setup.CounterReset[1], 1000);
    QCOMPARE(reading.setup.CounterReset[2], 2);
  }

  void unusableValuesAreRefusedNamingTheBox_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("named");
    QTest::newRow("no steps") << 0 << "0" << "X size";
    QTest::newRow("negative steps") << 0 << "-5" << "X size";
    QTest::newRow("chart wider than 16 bits") << 0 << "32748" << "X size";
    QTest::newRow("min beyond 16 bits") << 1 << "40000" << "Min";
    QTest::newRow("zero step") << 2 << "0.4" << "Step";
    QTest::newRow("band beyond 16 bits") << 3 << "3328" << "Target";
    QTest::newRow("red beyond 32 bits") << 4 << "3000000000" << "red";
    QTest::newRow("empty green window") << 5 << "0" << "green";
    QTest::newRow("empty blue window") << 6 << "abc" << "blue";
  }
  void unusableValuesAreRefusedNamingTheBox() {
    QFETCH(int, box);
    QFETCH(QString, text);
    QFETCH(QString, named);
    tamberlo::chart::SetupTexts texts = {"500", "55", "4", "95", "0", "500", "100"};
    texts[box] = text.toStdString();
    const tamberlo::chart::SetupReading reading = tamberlo::chart::ReadSetupTexts(texts);
    QVERIFY(reading.refusal);
    QCOMPARE(reading.refusal->box, box);
    QVERIFY(QString::fromStdString(reading.refusal->message).contains(named));
  }

  void limitsThemselvesAreAccepted() {
    const tamberlo::chart::SetupReading reading =
        tamberlo::chart::ReadSetupTexts({"32747", "-32768", "-1", "-29496", "-2147483648", "-2147483648", "2147483647"});
    QVERIFY(!reading.refusal);
    QCOMPARE(reading.setup.TargetPercent, int16_t{-29496});
    QCOMPARE(reading.setup.CounterReset[1], std::numeric_limits<int32_t>::min());
  }

  void refusedSetupKeepsTheLastGoodValuesAndThePanelOpen() {
    auto chart = Load(95.0f);
    state_.Games = 100;
    state_.TotalBet = 2000;
    state_.TotalWin = 1500;
    ToggleSetup(*chart);
    ToggleSetup(*chart);
    chart->DrawPercent();
    const QImage drawn = chart->ChartImage();

    Answers answers(Answer::Ok);
    ToggleSetup(*chart);
    Box(*chart, "txtMastabi0")->setText("300");
    Box(*chart, "txtMastabi2")->setText("0");
    ToggleSetup(*chart);
    QCOMPARE(answers.asked.size(), 1);
    QVERIFY(answers.asked[0].contains("Step"));
    QVERIFY(PanelShown(*chart));
    QCOMPARE(chart->Setup().StepPercent, int16_t{4});
    QCOMPARE(chart->Setup().XSizeSteps, int16_t{500});
    QCOMPARE(chart->ChartImage(), drawn);
    chart->DrawPercent();  // still draws with the good set-up

    Box(*chart, "txtMastabi2")->setText("5");
    ToggleSetup(*chart);
    QVERIFY(!PanelShown(*chart));
    QCOMPARE(chart->Setup().StepPercent, int16_t{5});
    QCOMPARE(chart->Setup().XSizeSteps, int16_t{300});
  }

  void saveBoxOffersASnapshot() {
    auto chart = Load(95.0f);
    QCheckBox* save = chart->findChild<QCheckBox*>("chkSave");
    {
      Answers answers(Answer::No);
      save->click();
      QCOMPARE(answers.asked, QStringList{"Save now?"});
      QVERIFY(save->isChecked());
      QVERIFY(!QFile::exists("TestTemp.bmp"));
      save->click();  // unchecking asks nothing
      QCOMPARE(answers.asked.size(), 1);
    }
    state_.Games = 49900;
    state_.TotalWin = 949328;
    state_.TotalBet = 998000;
    Answers answers(Answer::Yes);
    save->click();
    QVERIFY(save->isChecked());
    QFile file("TestTemp.bmp");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(2), QByteArray("BM"));
    file.close();
    const QImage bitmap("TestTemp.bmp", "BMP");
    QCOMPARE(bitmap.size(), chart->size());
    // The summary is black text at the bottom left; the empty chart has none there.
    const QRect summary(chart_test::Pixel(bitmap, 520, 10, 10), QSize(200, 14));
    QVERIFY(chart_test::CountDark(bitmap, summary) > 20);
    // Only the drawing is saved, not the button at the top left.
    QCOMPARE(bitmap.pixelColor(5, 5), QColor(255, 255, 255));
  }

  void snapshotThatCannotBeWrittenSaysSo() {
    auto chart = Load(95.0f);
    QVERIFY(QDir().mkdir("TestTemp.bmp"));
    Answers answers(Answer::Yes);
    chart->findChild<QCheckBox*>("chkSave")->click();
    QCOMPARE(answers.asked.size(), 2);
    QVERIFY(answers.asked[1].contains("\"TestTemp.bmp\""));
  }

  void summariesKeepOrTrimThePatternBlanks() {
    tamberlo::GameState state;
    state.Games = 49900;
    state.TotalWin = 949328;
    state.TotalBet = 998000;
    QCOMPARE(tamberlo::chart::SnapshotSummary(state),
             std::string("Games played = 49 900      949 328 /  998 000 = 95.123%"));
    QCOMPARE(tamberlo::chart::SweepSummary(state),
             std::string("Games = 49 900    95.123% = 949 328 / 998 000"));
    QCOMPARE(tamberlo::chart::SweepBitmapName(state), std::string("Test 49900.bmp"));
    // Before the first game there is no return to show.
    QCOMPARE(tamberlo::chart::SnapshotSummary(tamberlo::GameState()),
             "Games played =" + std::string(9, ' ') + " / " + std::string(2, ' ') + " = n/a");
  }
};

QTEST_MAIN(ChartSetupTest)
#include "test_chart_setup.moc"
