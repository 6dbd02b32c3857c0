#include "game_load.h"

#include <ctime>
#include <iterator>

#include "definition_file.h"
#include "report.h"
#include "retrigger_chance.h"
#include "win_lines.h"

namespace tamberlo {

void LoadGame(GameState& s, const std::string& path, SeedFn seed) {
  {
    HeadPass head(path);
    head.ReadVersionRtpSeed(s);
    ReplaceNegativeSeed(s);
    seed(s.RngSeed);
    head.ReadCountsAndNames(s);
  }

  s.FigureNameList.assign(std::begin(s.FigureName), std::end(s.FigureName));
  BodyPass body(path);
  body.ReadStrips(s);
  s.GamesPerRun = kGamesPerRun;
  body.ReadPayTable(s);
  RefuseEndlessSeries(s, path);

  SetWinLines(s);
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  WriteGameDescription(s, local);

  s.StopReel = kStartStopReel;
  s.Cash = kStartCredit;
  s.CashIn = kStartCredit;
}

}  // namespace tamberlo
