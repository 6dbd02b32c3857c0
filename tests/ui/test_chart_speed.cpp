// DrawPercent runs every 100 games of a run: its drawing must stay cheap.
#include <QElapsedTimer>
#include <memory>

#include "frm_slot_chart.h"
#include "test_chart_support.h"

class ChartSpeedTest : public QObject {
  Q_OBJECT

 private slots:
  void drawingStaysFarBelowTheGamesBetweenTwoPoints() {
    chart_test::FreshFolder folder;
    tamberlo::GameState state;
    state.Game_RTP = 95.0f;
    tamberlo::RunLogs logs;
    logs.Open();
    chart_test::RecordingDisplay display;
    frmSlotChart chart(state, logs, display);
    chart.show();

    constexpr int kCalls = 300000;
    uint32_t noise = 12345;
    QElapsedTimer timer;
    timer.start();
    for (int call = 1; call <= kCalls; ++call) {
      noise = noise * 1664525u + 1013904223u;
      state.Games += 100;
      state.TotalBet += 2000;
      state.TotalWin += 1000 + (noise >> 22);  // about 75 percent, jittery
      chart.DrawPercent();
    }
    const double microseconds = timer.nsecsElapsed() / 1000.0 / kCalls;
    qInfo("DrawPercent: %.3f us per call over %d calls", microseconds, kCalls);
    QVERIFY2(microseconds < 5.0, "DrawPercent should cost about a microsecond");

    // Once events run, the screen shows what the drawing holds.
    QTest::qWait(60);
    const QImage screen = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage drawing = chart.ChartImage();
    const QRect belowButton(0, 40, drawing.width(), drawing.height() - 40);
    QCOMPARE(screen.copy(belowButton), drawing.copy(belowButton));
    logs.Close();
  }
};

QTEST_MAIN(ChartSpeedTest)
#include "test_chart_speed.moc"
