#pragma once
// The reader of the game definition file ReelSetup.ini, in two passes over
// the file that LoadGame (game_load.h) runs in the order they need: the head
// (version, RTP, seed, row counts, figure names), then the body (strips, pays).
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "game_state.h"

namespace tamberlo {

// The lines that open the file's sections; the report writes the same ones,
// so that it reads back as a definition.
inline constexpr std::string_view kVersionStart = "  Version: ";
inline constexpr std::string_view kRngHeader = "RNG DESCRIPTION";
inline constexpr std::string_view kStripHeader = "REEL STRIP";
inline constexpr std::string_view kFreeStripHeader = "FREE SPINS REEL STRIP";
inline constexpr std::string_view kWinLineHeader = "WIN LINE DESCRIPTION";
inline constexpr std::string_view kPayTableHeader = "PAYTABLE DESCRIPTION";

// A definition file that cannot be read as a game. what() names the file,
// the line number and what was expected there.
class DefinitionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The first reading, split where the load replaces a negative seed and seeds
// the library: the version, RTP and seed first, then, in the same open file,
// the strips' row counts and the 13 figure names.
class HeadPass {
 public:
  explicit HeadPass(const std::string& path);  // opens the file (throws if missing)
  ~HeadPass();

  void ReadVersionRtpSeed(GameState& s);
  void ReadCountsAndNames(GameState& s);  // then closes the file

 private:
  struct Reader;
  std::unique_ptr<Reader> reader_;
};

// A negative seed in the file asks for a random one: RngSeed becomes a whole
// number 0..65535 from a source seeded by the clock (not by Corvello). A seed
// of 0 or more stays as it is.
void ReplaceNegativeSeed(GameState& s);

// The second reading: ReadStrips reads both strips and each reel's length
// (it needs the head pass's row counts, and its names in FigureNameList);
// ReadPayTable goes on in the same open file and closes it.
class BodyPass {
 public:
  explicit BodyPass(const std::string& path);
  ~BodyPass();

  void ReadStrips(GameState& s);
  void ReadPayTable(GameState& s);

 private:
  struct Reader;
  std::unique_ptr<Reader> reader_;
};

}  // namespace tamberlo
