// Save's files: the totals block and hits section appended to the report,
// empty.txt rewritten in place, and a Save that cannot write.
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "save_files.h"
#include "statistics_hits.h"
#include "statistics_test_state.h"
#include "ui_platform.h"

namespace {

constexpr size_t kSectionSize = 17 + 53 * 277;  // "HIT DESCRIPTION" and 53 grid lines, CR LF each

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

class StatisticsSaveTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    messages_.clear();
    tamberlo::ui::SetMessageResponder([this](const QString& text, tamberlo::ui::Buttons) {
      messages_ << text;
      return tamberlo::ui::Answer::Ok;
    });
  }
  void cleanup() { tamberlo::ui::SetMessageResponder({}); }

  void twoSavesAppendTwoPairsAfterTheDescription() {
    InTempFolder folder;
    const std::string description = "  Company: x\r\nPAYTABLE DESCRIPTION\r\n";
    WriteFile("Temp1.txt", description);
    tamberlo::GameState s = LoadedState();
    s.Games = 10;
    s.TotalBet = 200;
    s.TotalWin = 150;
    s.LineHits[3][3][2] = 4;
    StatisticsHits w(s);
    QVERIFY(tamberlo::ui::SaveResults(s, w, &w));
    const std::string first = tamberlo::TotalsBlock(s);
    s.Games = 20;
    s.TotalBet = 400;
    s.LineHits[3][3][2] = 6;
    QVERIFY(tamberlo::ui::SaveResults(s, w, &w));
    const std::string second = tamberlo::TotalsBlock(s);
    QVERIFY(messages_.isEmpty());

    const std::string report = ReadFile("Temp1.txt");
    QCOMPARE(report.size(), description.size() + first.size() + second.size() + 2 * kSectionSize);
    size_t at = 0;
    QCOMPARE(report.substr(at, description.size()), description);
    at += description.size();
    QCOMPARE(report.substr(at, first.size()), first);
    at += first.size();
    QVERIFY(report.compare(at, 17, "HIT DESCRIPTION\r\n") == 0);
    QCOMPARE(report.substr(at + 17 + 10 * 277 + 44, 11), std::string("4          "));  // row (2, 3), line 4
    at += kSectionSize;
    QCOMPARE(report.substr(at, second.size()), second);
    at += second.size();
    QCOMPARE(report.substr(at + 17 + 10 * 277 + 44, 11), std::string("6          "));
  }

  void aMissingReportIsCreated() {
    InTempFolder folder;
    const tamberlo::GameState s = LoadedState();  // no game yet
    StatisticsHits w(s);
    QVERIFY(tamberlo::ui::SaveResults(s, w, &w));
    QCOMPARE(ReadFile("Temp1.txt").size(), tamberlo::TotalsBlock(s).size() + kSectionSize);
  }

  void emptyRunsAreRewrittenInPlace() {
    InTempFolder folder;
    WriteFile("empty.txt", std::string(1400, 'x'));
    tamberlo::GameState s = LoadedState();
    s.Games = 4;
    s.EmptyRuns[0] = 3;
    s.EmptyRuns[1] = 1;
    StatisticsHits w(s);
    QVERIFY(tamberlo::ui::SaveResults(s, w, &w));
    const std::string table = ReadFile("empty.txt");
    QCOMPARE(table.size(), size_t{1400});
    QCOMPARE(table.substr(0, 1250), tamberlo::EmptyRunsRecords(s));
    QCOMPARE(table.substr(1250), std::string(150, 'x'));

    std::filesystem::remove("empty.txt");
    QVERIFY(tamberlo::ui::SaveResults(s, w, &w));
    QCOMPARE(ReadFile("empty.txt").size(), size_t{1250});
  }

  void aReportThatCannotBeWrittenIsToldAndNotSaved() {
    InTempFolder folder;
    std::filesystem::create_directory("Temp1.txt");
    const tamberlo::GameState s = LoadedState();
    StatisticsHits w(s);
    QVERIFY(!tamberlo::ui::SaveResults(s, w, &w));
    QCOMPARE(messages_.size(), 1);
    QVERIFY(messages_[0].contains("Temp1.txt"));
    QVERIFY(!std::filesystem::exists("empty.txt"));
  }

  void anEmptyRunsTableThatCannotBeWrittenIsTold() {
    InTempFolder folder;
    std::filesystem::create_directory("empty.txt");
    const tamberlo::GameState s = LoadedState();
    StatisticsHits w(s);
    QVERIFY(!tamberlo::ui::SaveResults(s, w, &w));
    QCOMPARE(messages_.size(), 1);
    QVERIFY(messages_[0].contains("empty.txt"));
    QVERIFY(std::filesystem::file_size("Temp1.txt") > kSectionSize);  // the report part is kept
  }

 private:
  QStringList messages_;
};

QTEST_MAIN(StatisticsSaveTest)
#include "test_statistics_save.moc"
