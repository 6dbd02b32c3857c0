#include "game.h"

#include <bit>
#include <string>

#include "credit.h"
#include "evaluation.h"
#include "line_batch.h"
#include "reel_window.h"
#include "text_format.h"

namespace tamberlo {

namespace {

constexpr int kShownEvery = 10000;
constexpr int kLabelsEvery = 100;
constexpr const char* kCrLf = "\r\n";

// The three rows of one reel from the ring 0..last; the stop is the middle row.
inline void FillReel(int16_t (&screen)[kRows][kReels], const int16_t (&strip)[kStripPositions][kReels],
                     int reel, int stop, int last) {
  screen[0][reel] = strip[TopPosition(stop, last)][reel];
  screen[1][reel] = strip[stop][reel];
  screen[2][reel] = strip[BottomPosition(stop, last)][reel];
}

std::string GameNumberMessage(const char* head, int64_t games) {
  return std::string(head) + kCrLf + "Game = " + PlainText(games);
}

}  // namespace

Game::Game(GameState& state, Display& display, RunLogs& logs, GenNumberFn genNumber)
    : s_(state), display_(display), logs_(logs), genNumber_(genNumber) {}

void Game::AutoStop(const char* message) {
  display_.DrawScreen();
  display_.ShowMessage(message);
  s_.QuietMode = 0;
  display_.SetRunFlag(false);
  display_.SetAddEnabled(true);
}

// A log that cannot be written ends the run after the pass in which it
// failed, as a Stop click would; the counters stay.
[[gnu::noinline]] void Game::StopForLogs() {
  s_.QuietMode = 0;
  display_.SetRunFlag(false);
  display_.SetAddEnabled(true);
}

void Game::FlushLogs() {
  logs_.Flush();
  if (logs_.Failures() == reportedLogFailures_) return;
  reportedLogFailures_ = logs_.Failures();
  display_.ShowMessage(logs_.IncompleteReport());
}

void Game::AppendLineText(int line, int64_t win, int32_t count, int32_t figure) {
  display_.AppendDetailText("Line :" + RightAlign(PlainText(int64_t{line + 1}), 3) + ",  Win :" +
                            RightAlign(PlainText(win), 5) + ", -" + BlankLed(int64_t{count}) + " " +
                            s_.FigureNameList.at(static_cast<size_t>(figure)) + kCrLf);
}

void Game::ShowScatter(int scatters, int64_t win) {
  display_.AppendDetailText(PlainText(int64_t{scatters}) + " Scatter Win: " +
                            FormatPattern(win, "### ###") + kCrLf);
  for (int row = 0; row < kRows; ++row)
    for (int reel = 0; reel < kReels; ++reel)
      if (s_.Screen[row][reel] == kScatter) display_.DrawScatterBox(row * kReels + reel);
}

// Kept out of line: a jackpot is rare and must not weigh on the quiet loop.
[[gnu::noinline]] void Game::BaseJackpot(int line, int32_t win) {
  if (display_.AutoStopChecked()) AutoStop(GameNumberMessage("JACKPOT!!!", s_.Games).c_str());
  if (Shown()) {
    AppendLineText(line, win, 5, kWild);
    display_.DrawWinLine(line);
  }
  s_.LineWins[line][kWild][5] += win;
  s_.TotalWin += win;
  ++s_.WinCount;
  logs_.WriteJackpot(s_.Games, line + 1, false);
}

[[gnu::noinline]] void Game::BaseTrigger(int scatters) {
  if (Shown())
    display_.AppendDetailText(PlainText(int64_t{scatters}) + " SCATTERS = " +
                              PlainText(int64_t{kSeriesSpins}) + " Free Spins At x" +
                              PlainText(int64_t{kFreeMultiplier}) + kCrLf);
  s_.FreeSpinsActive = true;
  ++s_.FreeGames;
  if (display_.AutoStopChecked()) {
    AutoStop(GameNumberMessage("Free Spins ", s_.Games).c_str());
    display_.FocusStep();
  }
}

// One draw per reel, reel 0 first, over the reel's positions.
void Game::DrawStops(int16_t (&stops)[kReels], const int16_t (&last)[kReels]) {
  for (int reel = 0; reel < kReels; ++reel)
    stops[reel] = static_cast<int16_t>(genNumber_(static_cast<uint32_t>(last[reel] + 1)));
}

// The window from the stops; the reel captions follow the display mode the
// previous game or spin left.
void Game::FillWindow(const int16_t (&stops)[kReels], const int16_t (&strip)[kStripPositions][kReels],
                      const int16_t (&last)[kReels]) {
  const bool captions = Shown();
  for (int reel = 0; reel < kReels; ++reel) {
    if (captions) display_.SetReelCaption(reel, stops[reel]);
    FillReel(s_.Screen, strip, reel, stops[reel], last[reel]);
  }
}

// Shown in full when no run is under way, and every 10,000th game of a run.
void Game::DecideDisplay() {
  if (!display_.RunFlagIsStop() || s_.Games % kShownEvery == 0) {
    display_.DrawScreen();
    display_.ClearDetailText();
    s_.QuietMode = 0;
  } else {
    s_.QuietMode = 1;
  }
}

void Game::PlayBaseGame() {
  DrawStops(s_.ReelStop, s_.ReelLast);
  s_.WinBeforeGame = s_.TotalWin;
  s_.TotalBet += kStake;
  FillWindow(s_.ReelStop, s_.ReelStrip, s_.ReelLast);
  DecideDisplay();

  // Losing lines only count their hits; the paying ones are handled in line
  // order. The totals gather in locals and reach the state before anything
  // else can look at them.
  GameState& s = s_;
  const uint32_t paying = EvaluateLines(
      s, s.WinLineMasks, [&s](int line, int figure, int count) { ++s.LineHits[line][count][figure]; });
  int64_t lineWins = 0;
  int64_t winningLines = 0;
  for (uint32_t mask = paying; mask != 0; mask &= mask - 1) {
    const int line = std::countr_zero(mask);
    const int32_t figure = s.LineResult[line][0];
    const int32_t count = s.LineResult[line][1];
    const int32_t win = s.LineResult[line][2];
    if (figure == kWild && count == 5) {
      s.TotalWin += lineWins;
      s.WinCount += winningLines;
      lineWins = winningLines = 0;
      BaseJackpot(line, win);
      continue;
    }
    if (Shown()) {
      AppendLineText(line, win, count, figure);
      display_.DrawWinLine(line);
    }
    s.LineWins[line][figure][count] += win;
    lineWins += win;
    ++winningLines;
  }
  s.TotalWin += lineWins;
  s.WinCount += winningLines;

  EvaluateScatter(s_);
  const int scatters = s_.LineResult[kScatterSlot][1];
  ++s_.LineHits[kScatterSlot][scatters][kScatter];
  if (scatters >= 2) {
    const int64_t win = int64_t{s_.LineResult[kScatterSlot][2]} * kStake;
    s_.LineWins[kScatterSlot][kScatter][scatters] += win;
    s_.TotalWin += win;
    if (Shown()) ShowScatter(scatters, win);
    if (scatters >= 3) BaseTrigger(scatters);
    ++s_.WinCount;
  }

  display_.SetLabel(LabelSlot::Rtp, {.kind = LabelKind::RtpLine, .win = s_.TotalWin, .bet = s_.TotalBet});
  if (Shown())
    display_.SetLabel(LabelSlot::FreeGames, {.kind = LabelKind::FreeGamesBase, .games = s_.FreeGames,
                                             .win = s_.FreeWin, .bet = s_.TotalBet});
  if (s_.WinCount != 0)
    display_.SetLabel(LabelSlot::HitRate, {.kind = LabelKind::HitRate, .games = s_.Games, .winCount = s_.WinCount});
}

[[gnu::noinline]] void Game::FreeSpinJackpot(int line) {
  if (display_.AutoStopChecked())
    AutoStop((GameNumberMessage("JACKPOT!!!", s_.Games) + kCrLf + " Free Spin ").c_str());
  logs_.WriteJackpot(s_.Games, line + 1, true);
}

void Game::PlayFreeSpin() {
  DrawStops(s_.FreeReelStop, s_.FreeReelLast);
  FillWindow(s_.FreeReelStop, s_.FreeReelStrip, s_.FreeReelLast);
  DecideDisplay();

  int64_t spinWin = 0;
  for (uint32_t mask = EvaluateLines(s_, s_.WinLineMasks, [](int, int, int) {}); mask != 0; mask &= mask - 1) {
    const int line = std::countr_zero(mask);
    const int32_t figure = s_.LineResult[line][0];
    const int32_t count = s_.LineResult[line][1];
    const int32_t win = s_.LineResult[line][2];
    if (figure == kWild && count == 5) [[unlikely]]
      FreeSpinJackpot(line);
    if (win > 0) {
      const int64_t multiplied = int64_t{win} * kFreeMultiplier;
      if (Shown()) [[unlikely]] {
        AppendLineText(line, multiplied, count, figure);
        display_.DrawWinLine(line);
      }
      spinWin += multiplied;
    }
  }

  EvaluateScatter(s_);
  const int scatters = s_.LineResult[kScatterSlot][1];
  if (scatters >= 2) {
    const int64_t win = int64_t{s_.LineResult[kScatterSlot][2]} * kFreeMultiplier * kStake;
    spinWin += win;
    if (Shown()) ShowScatter(scatters, win);
    if (scatters >= 3) {
      s_.Retriggered = 1;
      s_.FreeSpinNo -= kSeriesSpins;
      if (Shown())
        display_.AppendDetailText(PlainText(int64_t{scatters}) + " SCATTERS = New " +
                                  PlainText(int64_t{kSeriesSpins}) + " Free Spins At x" +
                                  PlainText(int64_t{kFreeMultiplier}) + kCrLf);
    }
  }

  s_.SeriesWin += spinWin;
  if (Shown())
    display_.AppendDetailText(std::string("_________________") + kCrLf + "Free Spin win = " +
                              Trim(FormatPattern(s_.SeriesWin, "### ### ###")) + kCrLf);
  display_.SetLabel(LabelSlot::Rtp, {.kind = LabelKind::RtpLine, .win = s_.TotalWin, .bet = s_.TotalBet});
}

void Game::SeriesEnd() {
  s_.FreeSpinsActive = false;
  s_.FreeSpinNo = 0;
  s_.FreeWin += s_.SeriesWin;
  s_.SeriesWinX = static_cast<float>(static_cast<double>(s_.SeriesWin) / kStake);
  s_.TotalWin += s_.SeriesWin;
  s_.LineWins[kScatterSlot][kScatter][5] += s_.SeriesWin;
  s_.SeriesWin = 0;
  s_.Retriggered = 0;
}

void Game::CountEmptyRun() {
  if (s_.TotalWin == s_.WinBeforeGame) {
    if (++s_.EmptyCount == kEmptyRunSlots)
      s_.EmptyCount = 0;
    else
      ++s_.EmptyRuns[s_.EmptyCount];
  } else {
    s_.EmptyCount = 0;
    ++s_.EmptyRuns[0];
  }
}

void Game::LogFinishedSeries() {
  if (s_.FreeSpinsPlayed <= 0) return;
  logs_.WriteFreeSpins(s_.Games - 1, s_.FreeSpinsPlayed, s_.SeriesWinX);
  s_.FreeSpinsPlayed = 0;
}

void Game::RunPass() {
  const int logFailures = logs_.Failures();
  if (!s_.FreeSpinsActive) {
    ++s_.Games;
    PlayBaseGame();
    LogFinishedSeries();
  } else {
    while (s_.FreeSpinNo != kSeriesSpins) {
      ++s_.FreeSpinNo;
      PlayFreeSpin();
      ++s_.FreeSpinsPlayed;
    }
    SeriesEnd();
    display_.SetLabel(LabelSlot::FreeGames, {.kind = LabelKind::FreeGamesRun, .games = s_.FreeGames,
                                             .win = s_.FreeWin, .bet = s_.TotalBet});
  }
  s_.QuietMode = 1;
  if (!s_.FreeSpinsActive) CountEmptyRun();

  if (s_.Games % kLabelsEvery == 0) {
    display_.SetLabel(LabelSlot::Games, {.kind = LabelKind::GamesCount, .games = s_.Games});
    display_.SetLabel(LabelSlot::GameWin, {.kind = LabelKind::GameWin, .win = s_.TotalWin - s_.WinBeforeGame});
    if (!s_.FreeSpinsActive) display_.DrawPercent();
    display_.SetLabel(LabelSlot::Cash, {.kind = LabelKind::Cash, .credits = s_.Cash});
    if (s_.Games % kShownEvery == 0) {
      s_.QuietMode = 0;
      display_.ShowHits();
    }
    display_.ProcessEvents();
  }

  if (s_.GamesPerRun > 0 && s_.Games % s_.GamesPerRun == 0) {
    s_.QuietMode = 0;
    display_.ShowHits();
    display_.Save();
    display_.ShowMessage(BlankLed(s_.Games) + " Games!");
    display_.SetRunFlag(false);
  }
  if (logs_.Failures() != logFailures) [[unlikely]]
    StopForLogs();
}

void Game::RunClick() {
  if (!display_.RunFlagIsStop()) {
    display_.SetRunFlag(true);
    display_.SetAddEnabled(false);
  } else {
    display_.SetRunFlag(false);
    display_.SetAddEnabled(true);
    s_.QuietMode = 0;
  }
  while (display_.RunFlagIsStop()) RunPass();
  FlushLogs();
}

void Game::StepClick() {
  if (s_.Cash < kStake) {
    display_.ShowMessage(" Add Credit ! ");
    display_.SetStepEnabled(false);
    display_.SetAddEnabled(true);
    display_.FocusAdd();
    return;
  }

  if (!s_.FreeSpinsActive) {
    ++s_.Games;
    PlayBaseGame();
    LogFinishedSeries();
  } else {
    ++s_.FreeSpinNo;
    if (s_.FreeSpinNo == 1 && s_.Retriggered == 0) s_.SeriesWin = 0;
    PlayFreeSpin();
    ++s_.FreeSpinsPlayed;
    if (s_.FreeSpinNo == kSeriesSpins) SeriesEnd();
  }

  s_.QuietMode = 0;
  display_.ShowHits();
  if (!s_.FreeSpinsActive)
    display_.SetLabel(LabelSlot::Games, {.kind = LabelKind::GamesCount, .games = s_.Games});
  else
    display_.SetLabel(LabelSlot::Games, {.kind = LabelKind::FreeGamesLeft, .games = kSeriesSpins - s_.FreeSpinNo});
  display_.SetLabel(LabelSlot::GameWin, {.kind = LabelKind::GameWin, .win = s_.TotalWin - s_.WinBeforeGame});
  if (!s_.FreeSpinsActive) CountEmptyRun();
  if (s_.Games % kLabelsEvery == 0) display_.DrawPercent();

  if (!display_.RunFlagIsStop() && !s_.FreeSpinsActive) SettleGame(s_, display_);
}

}  // namespace tamberlo
