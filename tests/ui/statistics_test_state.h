#pragma once
// A game state as the load leaves it, built by hand for the statistics tests.
#include <QDir>
#include <QTemporaryDir>

#include "game_state.h"

inline tamberlo::GameState LoadedState() {
  tamberlo::GameState s;
  const char* names[tamberlo::kFigures] = {"Ten",    "Jack",   "Queen",      "King", "Ace",  "Anchor", "Parrot",
                                           "Compass", "Treasure Chest", "Ship", "Captain", "Wild", "Scatter"};
  for (int f = 0; f < tamberlo::kFigures; ++f) {
    s.FigureName[f] = names[f];
    s.FigureNameList.push_back(names[f]);
    // Two of a kind pays only for the high figures; the rest pays by figure.
    s.PayTable[f][2] = static_cast<int16_t>(f >= 9 ? 2 : 0);
    s.PayTable[f][3] = static_cast<int16_t>(5 + f);
    s.PayTable[f][4] = static_cast<int16_t>(20 + 5 * f);
    s.PayTable[f][5] = static_cast<int16_t>(100 + 50 * f);
  }
  s.ReportFileName = "Temp1.txt";
  s.GamesPerRun = 100000000;
  return s;
}

// Every test writes into a fresh folder of its own.
class InTempFolder {
 public:
  InTempFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
  ~InTempFolder() { QDir::setCurrent(previous_); }

 private:
  QTemporaryDir dir_;
  QString previous_;
};
