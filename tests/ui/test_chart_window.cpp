// The chart window: its load and set-up panel, the three lines DrawPercent
// draws, its sweeps, Percent_10000.txt and the bitmaps.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <memory>

#include "file_failure.h"
#include "file_size_limit.h"
#include "frm_slot_chart.h"
#include "ui_platform.h"

using tamberlo::ui::Answer;

namespace {

const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kBlue(0, 0, 255), kGrid(200, 200, 200), kDarker(100, 100, 100);

// Records the run flag; nothing else of the main window matters here.
class RecordingDisplay : public tamberlo::Display {
 public:
  std::vector<bool> runFlags;  // every SetRunFlag, true = "Stop"
  void SetRunFlag(bool stop) override { runFlags.push_back(stop); }
  bool RunFlagIsStop() const override { return !runFlags.empty() && runFlags.back(); }
  bool AutoStopChecked() const override { return false; }
  void DrawScreen() override {} void DrawWinLine(int) override {} void DrawScatterBox(int) override {}
  void SetReelCaption(int, int) override {} void ClearDetailText() override {} void AppendDetailText(std::string_view) override {}
  void SetLabel(tamberlo::LabelSlot, const tamberlo::LabelValue&) override {} void ShowMessage(std::string_view) override {}
  void SetAddEnabled(bool) override {} void SetStepEnabled(bool) override {} void FocusStep() override {}
  void FocusAdd() override {} void ShowHits() override {} void DrawPercent() override {}
  void ProcessEvents() override {} void Save() override {}
};

// The pixel of chart point (x, y) on a chart `units` wide (500 steps + 20 by default).
QPoint Pixel(const QImage& image, double x, double y, double units = 520) {
  return QPoint(qRound(x * image.width() / units), qRound((200 - y) * image.height() / 200));
}

// Pixels in `area` that are `colour`, or dark as text (an invalid colour).
int Count(const QImage& image, QColor colour, QRect area) {
  int count = 0;
  area = area.intersected(image.rect());
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      count += colour.isValid() ? image.pixelColor(x, y) == colour : qGray(image.pixel(x, y)) < 80;
  return count;
}

bool Near(const QImage& image, double x, double y, QColor colour, int radius = 1, double units = 520) {
  return Count(image, colour, QRect(Pixel(image, x, y, units) - QPoint(radius, radius), QSize(2, 2) * radius + QSize(1, 1)));
}

int Summary(const QImage& image) { return Count(image, QColor(), QRect(Pixel(image, 10, 10), QSize(200, 14))); }

// Green and blue window lengths, the calls as (call, total win), the lines of Percent_10000.txt,
// and the window lines' colours: capital, a line of that colour is seen; small, none is.
struct Windows { const char *green, *blue; QList<QPoint> calls; QStringList lines; QString colours; };

}  // namespace

Q_DECLARE_METATYPE(Windows)

class ChartWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> folder_;
  QString previous_ = QDir::currentPath();
  tamberlo::GameState state_;
  tamberlo::RunLogs logs_;
  RecordingDisplay display_;
  std::unique_ptr<frmSlotChart> chart_;
  Answer answer_ = Answer::Ok;
  QStringList asked_;
  int beeps_ = 0;

  // The counters as the run leaves them at call `call`, one call per 100 games.
  void Draw(int call, int64_t totalWin) {
    state_.Games = 100LL * call;
    state_.TotalBet = 2000LL * call;
    state_.TotalWin = totalWin;
    chart_->DrawPercent();
  }
  QCheckBox* Check(const char* name) { return chart_->findChild<QCheckBox*>(name); }
  QLineEdit* Box(const char* name) { return chart_->findChild<QLineEdit*>(name); }
  void ToggleSetup() { chart_->findChild<QPushButton*>("cmdCharSetup")->click(); }
  bool PanelShown() { return !chart_->findChild<QGroupBox*>("fraCharSetup")->isHidden(); }
  void SetBoxes(std::initializer_list<std::pair<const char*, const char*>> boxes) {
    ToggleSetup();
    for (const auto& [name, text] : boxes) Box(name)->setText(text);
    ToggleSetup();
  }
  QStringList PercentLines() {
    logs_.Close();
    QFile file("Percent_10000.txt");
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).split("\r\n") : QStringList{"missing"};
  }

 private slots:
  // The window is made here without the program's start-up: do what it does.
  void initTestCase() { tamberlo::IgnoreFileSizeSignal(); }
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(folder_->path());
    state_ = tamberlo::GameState();
    state_.Game_RTP = 95.0f;  // Min 55, Step 4: y = (percent - 55) * 2.5
    display_.runFlags.clear();
    answer_ = Answer::Ok;
    asked_.clear();
    beeps_ = 0;
    tamberlo::ui::SetMessageResponder([this](const QString& text, tamberlo::ui::Buttons) { return asked_ << text, answer_; });
    tamberlo::ui::SetBeepHook([this] { ++beeps_; });
    logs_.Open();
    chart_ = std::make_unique<frmSlotChart>(state_, logs_, display_);
  }
  void cleanup() {
    chart_.reset();
    logs_.Close();
    tamberlo::ui::SetMessageResponder({});
    tamberlo::ui::SetBeepHook({});
    QDir::setCurrent(previous_);
  }

  void loadFillsTheTopOfTheScreenWithDefaultsFromTheRtp_data() {
    QTest::addColumn<float>("rtp");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("target");
    QTest::newRow("96.5 rounds down to even") << 96.5f << 56 << 96;
    QTest::newRow("97.5 rounds up to even") << 97.5f << 58 << 98;
  }
  void loadFillsTheTopOfTheScreenWithDefaultsFromTheRtp() {
    QFETCH(float, rtp);
    QFETCH(int, min);
    QFETCH(int, target);
    state_.Game_RTP = rtp;
    chart_ = std::make_unique<frmSlotChart>(state_, logs_, display_);
    QCOMPARE(Box("txtMastabi1")->text() + " " + Box("txtMastabi3")->text(), QString("%1 %2").arg(min).arg(target));
    const tamberlo::chart::ChartSetup setup{500, int16_t(min), 4, int16_t(target), {0, 500, 100}};
    QVERIFY(chart_->Setup() == setup);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(chart_->geometry(), QRect(0, 0, screen.width(), screen.height() * 5 / 8));
    QCOMPARE(chart_->ChartImage().size(), chart_->size());
    QVERIFY(!PanelShown());
  }

  void anEditTakesEffectOnlyWhenThePanelClosesARefusedOneNever() {
    Check("chkPrint")->setChecked(true);
    Draw(1, 1500);
    ToggleSetup();
    QVERIFY(PanelShown());
    Box("txtMastabi0")->setText("250");
    QCOMPARE(chart_->Setup().XSizeSteps, int16_t{500});
    ToggleSetup();
    QVERIFY(!PanelShown());
    QCOMPARE(chart_->Setup().XSizeSteps, int16_t{250});
    QCOMPARE(asked_, QStringList{"Print data ?"});
    QCOMPARE(beeps_, 1);  // answered Ok
    const QImage image = chart_->ChartImage();  // cleared, 270 units wide: 55 .. 135 percent, the band 91 .. 99
    for (int x : {10, 110, 210}) QVERIFY(Near(image, x, 150, kDarker, 1, 270));
    QVERIFY(!Near(image, 20, 150, kDarker, 1, 270) && Near(image, 20, 150, kGrid, 1, 270));
    QCOMPARE(image.pixelColor(Pixel(image, 55, 95, 270)), QColor(230, 230, 230));
    QCOMPARE(image.pixelColor(Pixel(image, 55, 115, 270)), QColor(255, 255, 255));
    QVERIFY(Near(image, 55, 100, Qt::black, 1, 270));
    QCOMPARE(Count(image, kRed, image.rect()), 0);

    Draw(2, 3000);
    const QImage drawn = chart_->ChartImage();
    ToggleSetup();
    ToggleSetup();  // nothing changed: nothing read, nothing asked
    QCOMPARE(chart_->ChartImage(), drawn);
    QCOMPARE(asked_.size(), 1);
    // A refused value keeps the last values, the drawing and the panel open.
    const tamberlo::chart::ChartSetup kept = chart_->Setup();
    ToggleSetup();
    Box("txtMastabi0")->setText("300");
    Box("txtMastabi2")->setText("0");
    ToggleSetup();
    QVERIFY(asked_.size() == 2 && asked_[1].contains("Step") && PanelShown());
    QVERIFY(chart_->Setup() == kept);
    QCOMPARE(chart_->ChartImage(), drawn);
    Box("txtMastabi2")->setText("5");
    ToggleSetup();
    QVERIFY(!PanelShown());
    QCOMPARE(chart_->Setup().StepPercent, int16_t{5});
    QCOMPARE(chart_->Setup().XSizeSteps, int16_t{300});
  }

  // Boxes read leniently, half to even; the first unusable box is refused.
  void readingTheSetupBoxes_data() {
    QTest::addColumn<QString>("texts");
    QTest::addColumn<int>("refused");  // -1: none
    QTest::addColumn<QString>("expected");  // the values read, or a part of the refusal
    QTest::newRow("lenient") << "12abc|abc|7.5|6.5||1 000|2.5" << -1 << "12 0 8 6 0 1000 2";
    QTest::newRow("limits") << "32747|-32768|-1|-29496|-2147483648|-2147483648|2147483647" << -1
                            << "32747 -32768 -1 -29496 -2147483648 -2147483648 2147483647";
    QTest::newRow("no steps") << "0|55|4|95|0|500|100" << 0 << "X size";
    QTest::newRow("negative steps") << "-5|55|4|95|0|500|100" << 0 << "X size";
    QTest::newRow("chart wider than 16 bits") << "32748|55|4|95|0|500|100" << 0 << "X size";
    QTest::newRow("min beyond 16 bits") << "500|40000|4|95|0|500|100" << 1 << "Min";
    QTest::newRow("zero step") << "500|55|0.4|95|0|500|100" << 2 << "Step";
    QTest::newRow("minus zero step") << "500|55|-0|95|0|500|100" << 2
                                     << "Chart Setup: the Step box must hold a whole number from -32768 to 32767 "
                                        "other than 0, but it reads 0. The chart keeps its last setup.";
    QTest::newRow("band beyond 16 bits") << "500|55|4|3328|0|500|100" << 3 << "Target";
    QTest::newRow("red beyond 32 bits") << "500|55|4|95|3000000000|500|100" << 4 << "red";
    QTest::newRow("red beyond every number") << "500|55|4|95|  " + QString(5000, '9') + "|500|100" << 4
                                             << "Chart Setup: the red Line counter reset box must hold a whole number "
                                                "from -2147483648 to 2147483647, but it reads \"99999999999999999999...\". "
                                                "The chart keeps its last setup.";
    QTest::newRow("empty green window") << "500|55|4|95|0|0|100" << 5 << "green";
    QTest::newRow("empty blue window") << "500|55|4|95|0|500|abc" << 6 << "blue";
    QTest::newRow("blue beyond every number, cut between characters") << "500|55|4|95|0|500|1e999 €€€€€€€" << 6
                                                                      << "but it reads \"1e999 €€€€...\". The";
    QTest::newRow("first box first") << "500|55|0|95|0|500|abc" << 2 << "Step";
  }
  void readingTheSetupBoxes() {
    QFETCH(QString, texts);
    QFETCH(int, refused);
    QFETCH(QString, expected);
    tamberlo::chart::SetupTexts boxes;
    for (int i = 0; i < tamberlo::chart::kSetupBoxes; ++i) boxes[i] = texts.split('|')[i].toStdString();
    const tamberlo::chart::SetupReading reading = tamberlo::chart::ReadSetupTexts(boxes);
    QCOMPARE(reading.refusal ? reading.refusal->box : -1, refused);
    const tamberlo::chart::ChartSetup& s = reading.setup;
    QString read = QString("%1 %2 %3 %4").arg(s.XSizeSteps).arg(s.MinPercent).arg(s.StepPercent).arg(s.TargetPercent);
    for (int32_t length : s.CounterReset) read += QString(" %1").arg(length);
    const QString message = reading.refusal ? QString::fromStdString(reading.refusal->message) : read;
    QVERIFY2(reading.refusal ? message.contains(expected) : read == expected, qPrintable(message));
  }

  void theSaveBoxWritesASnapshotThatReadsBack() {
    QCheckBox* save = Check("chkSave");
    answer_ = Answer::No;
    save->click();
    QCOMPARE(asked_, QStringList{"Save now?"});
    QVERIFY(save->isChecked() && !QFile::exists("TestTemp.bmp"));
    save->click();  // unchecking asks nothing
    answer_ = Answer::Yes;
    state_.Games = 49900;
    state_.TotalWin = 949328;
    state_.TotalBet = 998000;
    save->click();
    QCOMPARE(asked_.size(), 2);
    const QImage bitmap("TestTemp.bmp", "BMP");
    QCOMPARE(bitmap.size(), chart_->size());
    QVERIFY(Summary(bitmap) > 20);
    QCOMPARE(bitmap.pixelColor(5, 5), QColor(255, 255, 255));  // the drawing only, not the button on it
    QVERIFY(QFile::remove("TestTemp.bmp") && QDir().mkdir("TestTemp.bmp"));
    save->click();
    save->click();
    QCOMPARE(asked_.size(), 4);
    QCOMPARE(asked_[3], QString("Cannot write \"TestTemp.bmp\": Is a directory."));
  }

  // A snapshot the disk cannot hold in full leaves no part of it: a former
  // TestTemp.bmp keeps its bytes and permissions, and no other file appears.
  void aSnapshotThatDoesNotFitLeavesTheFolderAsItWas_data() {
    QTest::addColumn<QByteArray>("former");  // empty: no TestTemp.bmp yet
    QTest::newRow("no former snapshot") << QByteArray();
    QTest::newRow("a former snapshot") << QByteArray("former snapshot");
  }
  void aSnapshotThatDoesNotFitLeavesTheFolderAsItWas() {
    QFETCH(QByteArray, former);
    const QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    if (!former.isEmpty()) {
      QFile file("TestTemp.bmp");
      QVERIFY(file.open(QIODevice::WriteOnly) && file.write(former) == former.size());
      file.close();
      QVERIFY(file.setPermissions(permissions));
    }
    const QStringList before = QDir().entryList(QDir::Files | QDir::Hidden);
    answer_ = Answer::Yes;
    {
      const FileSizeLimit full(200 * 1024);
      Check("chkSave")->click();
    }
    QCOMPARE(asked_, (QStringList{"Save now?", "Cannot write \"TestTemp.bmp\": File too large."}));
    QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), before);
    if (!former.isEmpty()) {
      QFile file("TestTemp.bmp");
      QVERIFY(file.open(QIODevice::ReadOnly));
      QCOMPARE(file.readAll(), former);
      QCOMPARE(file.permissions() & ~(QFile::ReadUser | QFile::WriteUser), permissions);
    }
  }

  void eachPointJoinsTheLastOneKeptRoundedHalfToEven() {
    Draw(1, 1500);  // 75 percent: y = 50, from the bottom left
    Draw(2, 2400);  // 60 percent: y = 12.5, kept as 12
    Draw(3, 3600);
    const QImage image = chart_->ChartImage();
    QVERIFY(Near(image, 10, 2, kRed) && Near(image, 11, 50, kRed) && !Near(image, 13, 50, kRed));
    QVERIFY(Near(image, 12, 12, kRed));  // from 13 no red would reach that low
    QVERIFY(display_.runFlags.empty());
  }

  void aSweepEndsAtCall499_data() {
    QTest::addColumn<bool>("keepOn");  // on: continue over the old sweep; off: stop, save and clear
    QTest::newRow("stop, save and clear") << false;
    QTest::newRow("continue over the old sweep") << true;
  }
  void aSweepEndsAtCall499() {
    QFETCH(bool, keepOn);
    const bool save = !keepOn, clear = !keepOn;
    Check("chkContinue")->setChecked(keepOn);
    Check("chkSave")->setChecked(save);
    Check("chkClear")->setChecked(clear);
    for (int call = 1; call <= 498; ++call) Draw(call, 1500LL * call);
    QVERIFY(display_.runFlags.empty());
    QCOMPARE(Summary(chart_->ChartImage()), 0);
    Draw(499, 1147700);  // 115 percent overall: y = 150
    QCOMPARE(display_.runFlags, keepOn ? std::vector<bool>{} : std::vector<bool>{false});
    QVERIFY(Summary(chart_->ChartImage()) > 20);
    QVERIFY(Near(chart_->ChartImage(), 509, 140, kRed, 2));
    QCOMPARE(QDir().entryList({"*.bmp"}), save ? QStringList{"Test 49900.bmp"} : QStringList{});
    if (save) {  // the sweep without its last point
      const QImage bitmap("Test 49900.bmp", "BMP");
      QVERIFY(Summary(bitmap) > 20 && Near(bitmap, 508, 50, kRed) && !Near(bitmap, 509, 140, kRed, 2));
    }
    for (int call = 500; call <= 1000; ++call) Draw(call, 1500LL * call);
    const QImage image = chart_->ChartImage();  // a new sweep began at call 1000
    QCOMPARE(Count(image, kRed, QRect(Pixel(image, 12, 0).x(), 0, image.width(), image.height())) == 0, clear);
  }

  void anUncheckedChartOnlyCounts() {
    SetBoxes({{"txtCounterRST2", "2"}});
    Draw(1, 1500);
    const QImage drawn = chart_->ChartImage();
    Check("chkChart")->setChecked(false);
    for (int call = 2; call <= 5; ++call) Draw(call, 1500LL * call);
    QCOMPARE(chart_->ChartImage(), drawn);
    Check("chkChart")->setChecked(true);
    Draw(6, 13800);  // 115 percent: y = 150, at x 6
    const QImage image = chart_->ChartImage();
    QVERIFY(Near(image, 16, 150, kRed) && !Near(image, 12, 150, kRed));
    QCOMPARE(PercentLines(), (QStringList{"115.000000     600 ", ""}));  // no window was reset meanwhile
  }

  // The blue window writes its return and the games at each reset; a window of one call hides its line.
  void percentLinesAndWindowLines_data() {
    QTest::addColumn<Windows>("windows");
    QList<QPoint> hundreds;
    for (int call = 1; call <= 200; ++call) hundreds << QPoint(call, call < 100 ? 0 : call < 200 ? 15000 : 215500);
    QTest::newRow("windows of 100") << Windows{"500", "100", hundreds, {"07.500000      10000 ", "100.250000     20000 ", ""}, ""};
    QTest::newRow("windows of one call; a free spin adds no bet")
        << Windows{"1", "1", {{1, 1500}, {1, 1500}, {2, 4500}}, {"75.000000      100 ", "150.000000     200 ", ""}, "gb"};
    QTest::newRow("negative lengths count like their size")
        << Windows{"-1", "-2", {{1, 1500}, {2, 3000}, {3, 4500}, {4, 6000}}, {"75.000000      200 ", "75.000000      400 ", ""}, "G"};
  }
  void percentLinesAndWindowLines() {
    QFETCH(Windows, windows);
    SetBoxes({{"txtCounterRST1", windows.green}, {"txtCounterRST2", windows.blue}});
    for (const QPoint& call : windows.calls) Draw(call.x(), call.y());
    QCOMPARE(PercentLines(), windows.lines);
    const QImage image = chart_->ChartImage();
    for (QChar c : windows.colours) QCOMPARE(Count(image, c.toLower() == 'g' ? kGreen : kBlue, image.rect()) > 0, c.isUpper());
    QVERIFY(asked_.isEmpty());
  }

  void theGreenWindowDividesByItsBetLessOne() {
    SetBoxes({{"txtCounterRST1", "2"}, {"txtCounterRST2", "2"}});
    Draw(1, 2300);  // 115 percent: y = 150, above the windows' lines
    Draw(2, 4600);  // both windows reset here
    state_.TotalBet += 20;
    state_.TotalWin += 19;  // green: 19 / 19 = 100 percent, blue: 19 / 20 = 95 percent
    chart_->DrawPercent();
    QVERIFY(Near(chart_->ChartImage(), 13, 112.5, kGreen) && Near(chart_->ChartImage(), 13, 100, kBlue));
  }

  // A run's worth of points (its speed is tamberlo-ui-bench's to measure).
  void manyPointsReachTheScreen() {
    chart_->show();
    uint32_t noise = 12345;
    for (int call = 1; call <= 100000; ++call) {
      noise = noise * 1664525u + 1013904223u;
      state_.Games += 100;
      state_.TotalBet += 2000;
      state_.TotalWin += 1000 + (noise >> 22);  // about 75 percent, jittery
      chart_->DrawPercent();
    }
    auto shown = [&] {
      const QImage screen = chart_->grab().toImage().convertToFormat(QImage::Format_RGB32);
      const QRect belowButton(0, 40, screen.width(), screen.height() - 40);
      return screen.copy(belowButton) == chart_->ChartImage().copy(belowButton);
    };
    QTRY_VERIFY(shown());
  }
};

QTEST_MAIN(ChartWindowTest)
#include "test_chart_window.moc"
