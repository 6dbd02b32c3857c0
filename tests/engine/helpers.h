#pragma once
// Shared by the engine tests: a fresh working folder, the definition loader,
// a Display that records its calls, a scripted rng_GenNumber, a hand-made game.
#include <gtest/gtest.h>
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "definition_file.h"
#include "file_failure.h"
#include "game.h"
#include "game_load.h"
#include "win_lines.h"

namespace tamberlo::testing {

struct TempFolder {  // a fresh empty folder is the current directory while it lives
  std::filesystem::path previous = std::filesystem::current_path(), path = [] {
    char pattern[] = "/tmp/tamberlo-test-XXXXXX";
    return std::filesystem::path(mkdtemp(pattern));
  }();
  TempFolder() { std::filesystem::current_path(path); }
  ~TempFolder() { std::filesystem::current_path(previous), std::filesystem::remove_all(path); }
};

// As the program and the benchmark start: a write past a file-size limit fails.
inline const bool kFileSizeSignalIgnored = (IgnoreFileSizeSignal(), true);

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Several counters compared at once: EXPECT_EQ(Values(s.Games, s.TotalWin), Values(1, 40)).
template <class... T>
std::vector<int64_t> Values(T... values) {
  return {static_cast<int64_t>(values)...};
}

inline std::string ErrorOf(const std::function<void()>& run) try {
  run();
  return "no error";
} catch (const std::exception& error) {
  return error.what();
}

inline std::string DefaultGamePath() { return TAMBERLO_SOURCE_DIR "/ReelSetup.ini"; }

// The game loaded as the program loads it, its report written in the current
// folder; the seeds it would give the library are kept here.
struct Seeds {
  static inline std::vector<int32_t> given;
  static void Seed(int32_t seed) { given.push_back(seed); }
};
inline GameState LoadGame(const std::string& path) {
  GameState s;
  tamberlo::LoadGame(s, path, &Seeds::Seed);
  return s;
}

class RecordingDisplay : public Display {
 public:
  std::vector<std::string> calls;    // every call but the labels, in order
  std::vector<LabelSlot> labelWrites;      // the labels written, in order
  std::map<LabelSlot, LabelValue> labels;  // the latest value of each label
  std::vector<std::string> messages;
  std::string detailText;
  bool stop = false, autoStop = false, addEnabled = true;  // run flag ("Stop"), chkStopJP, Add
  std::function<void()> onProcessEvents;

  void Call(const std::string& call) { calls.push_back(call); }
  void DrawScreen() override { Call("DrawScreen"); }
  void DrawWinLine(int line) override { Call("DrawWinLine " + std::to_string(line)); }
  void DrawScatterBox(int cell) override { Call("ScatterBox " + std::to_string(cell)); }
  void SetReelCaption(int reel, int at) override { Call("Caption " + std::to_string(reel) + " " + std::to_string(at)); }
  void ClearDetailText() override { detailText.clear(), Call("ClearText"); }
  void AppendDetailText(std::string_view text) override { detailText += text, Call("Text"); }
  void SetLabel(LabelSlot slot, const LabelValue& value) override { labels[slot] = value, labelWrites.push_back(slot); }
  void ShowMessage(std::string_view text) override { messages.emplace_back(text), Call("Message"); }
  bool RunFlagIsStop() const override { return stop; }
  void SetRunFlag(bool value) override { stop = value, Call(value ? "RunFlag Stop" : "RunFlag Run"); }
  bool AutoStopChecked() const override { return autoStop; }
  void SetAddEnabled(bool on) override { addEnabled = on, Call(on ? "Add on" : "Add off"); }
  void SetStepEnabled(bool on) override { Call(on ? "Step on" : "Step off"); }
  void FocusStep() override { Call("FocusStep"); }
  void FocusAdd() override { Call("FocusAdd"); }
  void ShowHits() override { Call("ShowHits"); }
  void DrawPercent() override { Call("DrawPercent"); }
  void ProcessEvents() override { Call("ProcessEvents"), onProcessEvents ? onProcessEvents() : void(); }
  void Save() override { Call("Save"); }
  int Count(const std::string& call) const { return static_cast<int>(std::count(calls.begin(), calls.end(), call)); }
  std::vector<LabelValue> Labels(std::initializer_list<LabelSlot> slots) {
    std::vector<LabelValue> values;
    for (LabelSlot slot : slots) values.push_back(labels[slot]);
    return values;
  }
};

// The hand-made game: every reel is made of 3-position blocks, and a stop in
// the middle of a block fills the reel's column with one figure.
inline constexpr uint32_t kLose = 1;          // reel r shows figure r: nothing pays
inline constexpr uint32_t kFives = 4;         // figure 5 everywhere: 20 lines of five, 10 each
inline constexpr uint32_t kWilds = 7;         // wilds everywhere: 20 jackpot lines, 1000 each
inline constexpr uint32_t kScatters = 10;     // three scatters on the reel
inline constexpr uint32_t kTwoScatters = 13;  // scatters in rows 0 and 1 only

// rng_GenNumber stand-in: answers from a queue (kLose once it is empty) and
// records the ranges asked for.
struct ScriptedRng {
  static inline std::deque<uint32_t> stops;
  static inline std::vector<uint32_t> ranges;
  static uint32_t GenNumber(uint32_t n) {
    ranges.push_back(n);
    const uint32_t stop = stops.empty() ? kLose : stops.front();
    if (!stops.empty()) stops.pop_front();
    EXPECT_LT(stop, n) << "scripted stop outside the reel";
    return stop;
  }
  static void Game(const std::vector<uint32_t>& perReel) { stops.insert(stops.end(), perReel.begin(), perReel.end()); }
  static void Game(uint32_t stop) { Game({stop, stop, stop, stop, stop}); }  // same stop on every reel
};
inline const std::vector<uint32_t> kTrigger{kScatters, kLose, kLose, kLose, kLose};

inline GameState MakeState() {
  GameState s;
  for (int f = 0; f < kFigures; ++f) {
    std::string name = "F";  // in two steps: g++ 12 warns falsely on "F" + to_string
    name += std::to_string(f);
    s.FigureNameList.push_back(s.FigureName[f] = f == kWild ? "WILD" : f == kScatter ? "SCAT" : name);
  }
  for (int r = 0; r < kReels; ++r) {
    const int16_t lose = static_cast<int16_t>(r);
    const int16_t blocks[] = {lose, lose, lose, 5, 5, 5, kWild, kWild, kWild, kScatter, kScatter, kScatter,
                              kScatter, kScatter, lose};
    s.ReelLast[r] = s.FreeReelLast[r] = static_cast<int16_t>(14 + r);  // losing positions 15.. make reels differ
    for (int p = 0; p <= s.ReelLast[r]; ++p) s.ReelStrip[p][r] = s.FreeReelStrip[p][r] = p < 15 ? blocks[p] : lose;
  }
  // The test windows are uniform per column (or a scatter pair): any valid rows do.
  for (int line = 0; line < kLines; ++line)
    for (int r = 0; r < kReels; ++r) s.WinLineRow[line][r] = static_cast<int16_t>((line + r) % 3);
  DeriveLineMasks(s);
  s.PayTable[5][5] = 10, s.PayTable[kWild][5] = 1000;
  s.PayTable[kScatter][2] = 1, s.PayTable[kScatter][3] = 2, s.PayTable[kScatter][5] = 50;
  s.Cash = s.CashIn = 1000000;
  s.GamesPerRun = 100000000;
  return s;
}

struct GameFixture : ::testing::Test {
  TempFolder folder;
  GameState s = MakeState();
  RecordingDisplay display;
  RunLogs logs;
  Game game{s, display, logs, &ScriptedRng::GenNumber};

  GameFixture() {
    ScriptedRng::stops.clear();
    ScriptedRng::ranges.clear();
    logs.Open();
  }
  std::string Log(const char* name) {  // flushes the logs and reads one back
    logs.Close();
    return ReadFile(name);
  }
};

}  // namespace tamberlo::testing
