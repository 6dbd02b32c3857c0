#pragma once
// Test helpers for the game: a Display that records every call, a scripted
// rng_GenNumber, a small hand-made game and a fresh working folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "display.h"
#include "game.h"
#include "game_state.h"
#include "run_logs.h"

namespace tamberlo::testing {

class RecordingDisplay : public Display {
 public:
  std::vector<std::string> calls;                 // every call but the labels, in order
  std::vector<std::pair<int, LabelValue>> labelWrites;
  std::map<int, LabelValue> labels;               // the latest value of each label
  std::vector<std::string> messages;
  std::string detailText;
  int captions[kReels] = {-1, -1, -1, -1, -1};
  bool stop = false;       // the run flag: true = "Stop"
  bool autoStop = false;   // chkStopJP
  bool addEnabled = true;
  bool stepEnabled = true;
  std::function<void()> onProcessEvents;

  void DrawScreen() override { calls.push_back("DrawScreen"); }
  void DrawWinLine(int line) override { calls.push_back("DrawWinLine " + std::to_string(line)); }
  void DrawScatterBox(int cell) override { calls.push_back("ScatterBox " + std::to_string(cell)); }
  void SetReelCaption(int reel, int stopPosition) override {
    captions[reel] = stopPosition;
    calls.push_back("Caption " + std::to_string(reel) + " " + std::to_string(stopPosition));
  }
  void ClearDetailText() override {
    detailText.clear();
    calls.push_back("ClearText");
  }
  void AppendDetailText(std::string_view text) override {
    detailText += text;
    calls.push_back("Text");
  }
  void SetLabel(int index, const LabelValue& value) override {
    labels[index] = value;
    labelWrites.emplace_back(index, value);
  }
  void ShowMessage(std::string_view text) override {
    messages.emplace_back(text);
    calls.push_back("Message");
  }
  bool RunFlagIsStop() const override { return stop; }
  void SetRunFlag(bool value) override {
    stop = value;
    calls.push_back(value ? "RunFlag Stop" : "RunFlag Run");
  }
  bool AutoStopChecked() const override { return autoStop; }
  void SetAddEnabled(bool enabled) override {
    addEnabled = enabled;
    calls.push_back(enabled ? "Add on" : "Add off");
  }
  void SetStepEnabled(bool enabled) override {
    stepEnabled = enabled;
    calls.push_back(enabled ? "Step on" : "Step off");
  }
  void FocusStep() override { calls.push_back("FocusStep"); }
  void FocusAdd() override { calls.push_back("FocusAdd"); }
  void ShowHits() override { calls.push_back("ShowHits"); }
  void DrawPercent() override { calls.push_back("DrawPercent"); }
  void ProcessEvents() override {
    calls.push_back("ProcessEvents");
    if (onProcessEvents) onProcessEvents();
  }
  void Save() override { calls.push_back("Save"); }

  int Count(const std::string& call) const {
    int n = 0;
    for (const auto& c : calls) n += c == call;
    return n;
  }
  void Clear() {
    calls.clear();
    labelWrites.clear();
    messages.clear();
  }
};

// rng_GenNumber stand-in: answers from a queue (an empty queue answers
// kLose) and records the range asked for.
struct ScriptedRng {
  static inline std::deque<uint32_t> stops;
  static inline std::vector<uint32_t> ranges;
  static uint32_t GenNumber(uint32_t n) {
    ranges.push_back(n);
    uint32_t stop = 1;
    if (!stops.empty()) {
      stop = stops.front();
      stops.pop_front();
    }
    EXPECT_LT(stop, n) << "scripted stop outside the reel";
    return stop;
  }
  static void Reset() {
    stops.clear();
    ranges.clear();
  }
  // One game (or spin) with the same stop on every reel.
  static void Game(uint32_t stop) {
    for (int r = 0; r < kReels; ++r) stops.push_back(stop);
  }
  static void Game(std::vector<uint32_t> perReel) {
    for (uint32_t stop : perReel) stops.push_back(stop);
  }
};

// The hand-made game: every reel is made of 3-position blocks, and a stop in
// the middle of a block fills the reel's column with one figure.
inline constexpr uint32_t kLose = 1;      // reel r shows figure r: nothing pays
inline constexpr uint32_t kFives = 4;     // figure 5 everywhere: 20 lines of five
inline constexpr uint32_t kWilds = 7;     // wilds everywhere: 20 jackpot lines
inline constexpr uint32_t kScatters = 10; // three scatters on the reel
inline constexpr uint32_t kTwoScatters = 13;  // scatters in rows 0 and 1 only
inline constexpr int kFivePay = 10;

inline void FillBlocks(int16_t (&strip)[kStripPositions][kReels], int16_t (&last)[kReels]) {
  for (int r = 0; r < kReels; ++r) {
    const int16_t lose = static_cast<int16_t>(r);
    const int16_t blocks[5][3] = {
        {lose, lose, lose}, {5, 5, 5}, {kWild, kWild, kWild}, {kScatter, kScatter, kScatter},
        {kScatter, kScatter, lose}};
    for (int b = 0; b < 5; ++b)
      for (int k = 0; k < 3; ++k) strip[b * 3 + k][r] = blocks[b][k];
    last[r] = static_cast<int16_t>(14 + r);  // extra losing positions 15.. make the reels differ
    for (int p = 15; p <= last[r]; ++p) strip[p][r] = lose;
  }
}

inline GameState MakeState() {
  GameState s;
  for (int f = 0; f < kFigures; ++f) {
    std::string name = "F";  // built in two steps: g++ 12 warns falsely on "F" + to_string
    name += std::to_string(f);
    s.FigureName[f] = f == kWild ? "WILD" : f == kScatter ? "SCAT" : name;
    s.FigureNameList.push_back(s.FigureName[f]);
  }
  FillBlocks(s.ReelStrip, s.ReelLast);
  FillBlocks(s.FreeReelStrip, s.FreeReelLast);
  // Every test window is uniform per column (or a scatter pair), so the
  // lines' rows only need to be valid.
  for (int line = 0; line < kLines; ++line)
    for (int r = 0; r < kReels; ++r) s.WinLineRow[line][r] = static_cast<int16_t>((line + r) % 3);
  s.PayTable[5][5] = kFivePay;
  s.PayTable[kWild][5] = 1000;
  s.PayTable[kScatter][2] = 1;
  s.PayTable[kScatter][3] = 2;
  s.PayTable[kScatter][5] = 50;
  s.Cash = 1000000;
  s.CashIn = 1000000;
  s.GamesPerRun = 100000000;
  return s;
}

// A fresh empty folder as the current directory for the life of the object.
class TempFolder {
 public:
  TempFolder() {
    char pattern[] = "/tmp/tamberlo-test-XXXXXX";
    path_ = mkdtemp(pattern);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
  }
  ~TempFolder() {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::filesystem::path previous_;
};

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The game, its display, logs open in a fresh folder and a clean script.
struct GameFixture : ::testing::Test {
  TempFolder folder;
  GameState s = MakeState();
  RecordingDisplay display;
  RunLogs logs;
  Game game{s, display, logs, &ScriptedRng::GenNumber};

  GameFixture() {
    ScriptedRng::Reset();
    logs.Open();
  }
  // Flushes the logs and reads one back.
  std::string Log(const char* name) {
    logs.Close();
    return ReadFile(folder.path() / name);
  }
};

}  // namespace tamberlo::testing
