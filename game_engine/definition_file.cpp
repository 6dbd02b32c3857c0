#include "definition_file.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <random>
#include <stdexcept>
#include <string_view>

#include "text_format.h"

namespace tamberlo {

namespace {

constexpr std::string_view kSectionEnd = "=====";
constexpr int kMaxRows = kStripPositions;  // a count reads at most 101 lines

std::string Quoted(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted.append(1, '"').append(text).append(1, '"');
  return quoted;
}

// Characters `first` to `last` (counted from 1) of a line, as far as it reaches.
std::string_view Columns(std::string_view line, size_t first, size_t last) {
  if (line.size() < first) return {};
  return line.substr(first - 1, last - first + 1);
}

bool EndsSection(std::string_view line, std::string_view header) {
  return line.substr(0, kSectionEnd.size()) == kSectionEnd || line == header;
}

// A whole number of digits with blanks around it and an optional comma
// after it, as the RTP line's columns hold it.
std::optional<int> ReadRtpPart(std::string_view text) {
  const NumberText number = ScanNumber(text, false, false);
  if (number.length == 0 || text.find_first_of("+-.") != std::string_view::npos) return std::nullopt;
  std::string_view rest = text.substr(number.length);
  const size_t comma = rest.find_first_not_of(" \t");
  if (comma != std::string_view::npos && rest[comma] == ',') rest.remove_prefix(comma + 1);
  if (rest.find_first_not_of(" \t") != std::string_view::npos) return std::nullopt;
  return static_cast<int>(number.Value());
}

// A value refused only once rounded says what it became: "16383.5" is no
// pay, but only because it rounds to 16384.
std::string RoundedTo(double read, double rounded) {
  if (read == rounded) return {};
  return ", which rounds to " + PlainText(static_cast<int64_t>(rounded));
}

// A text that is a decimal number and nothing else, blanks around it allowed.
std::optional<double> ReadStrictNumber(std::string_view text) {
  const NumberText number = ScanNumber(text, false, true);
  if (!IsWholeText(text, number)) return std::nullopt;
  return number.Value();
}

// The field scanner: each field runs up to the next comma; after it every
// comma and blank is skipped. Returns false when a field has no comma.
template <size_t N>
bool ScanFields(std::string_view line, std::string_view (&fields)[N]) {
  size_t p = 0;
  for (size_t field = 0; field < N; ++field) {
    const size_t comma = line.find(',', p);
    if (comma == std::string_view::npos) return false;
    fields[field] = line.substr(p, comma - p);
    p = line.find_first_not_of(", ", comma);
    if (p == std::string_view::npos) p = line.size();
  }
  return true;
}

int FigureOf(const GameState& s, std::string_view name) {
  for (int k = 0; k < kFigures; ++k) {
    if (s.FigureNameList[static_cast<size_t>(k)] == name) return k;
  }
  return kGap;
}

}  // namespace

// Reads the file line by line (CR LF or LF alone), counting lines from 1,
// and turns every problem into a DefinitionError naming file and line.
class LineReader {
 public:
  explicit LineReader(const std::string& path) : path_(path), in_(path, std::ios::binary) {
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
      throw DefinitionError(path_ + ": is a folder; expected the game definition file");
    }
    if (!in_) {
      throw DefinitionError(path_ + ": cannot open the file (" + std::strerror(errno) +
                            "); expected the game definition");
    }
  }

  const std::string& line() const { return line_; }

  bool Next() {
    if (!in_ || !std::getline(in_, line_)) return false;
    ++number_;
    if (!line_.empty() && line_.back() == '\r') line_.pop_back();
    // A CR left in the line is a line end of another system: counting it as
    // text would report the lines after it at wrong numbers.
    const size_t cr = line_.find('\r');
    if (cr != std::string::npos) {
      Fail(cr + 1 == line_.size() ? "the line ends in CR CR LF; expected each line to end in CR LF or LF"
                                  : "the line ends in CR alone; expected each line to end in CR LF or LF");
    }
    return true;
  }

  const std::string& Need(std::string_view expected) {
    if (!Next()) Fail(number_ + 1, "end of file; expected " + std::string(expected));
    return line_;
  }

  void SkipTo(std::string_view header) {
    while (Need("the line " + Quoted(header)) != header) {
    }
  }

  [[noreturn]] void Fail(int lineNumber, const std::string& what) const {
    throw DefinitionError(path_ + ":" + std::to_string(lineNumber) + ": " + what);
  }
  [[noreturn]] void Fail(const std::string& what) const { Fail(number_, what); }

  void Close() { in_.close(); }

 private:
  std::string path_;
  std::ifstream in_;
  int number_ = 0;
  std::string line_;
};

struct HeadPass::Reader : LineReader {
  using LineReader::LineReader;

  // Counts the rows of a strip section up to its end line; the end line is
  // used up, except when 101 rows leave nothing to stop the count.
  int CountRows(std::string_view sectionName, std::string_view endHeader, bool needEndLine) {
    for (int rows = 0; rows < kMaxRows; ++rows) {
      const std::string what = "a row of " + std::string(sectionName) + " or the line " + Quoted(endHeader);
      const std::string& row = Need(what);
      if (!EndsSection(row, endHeader)) continue;
      if (rows < 2) {
        Fail("expected at least two strip rows in " + std::string(sectionName) +
             " (every reel needs two figures)");
      }
      if (needEndLine && row != endHeader) {
        Fail("expected the line " + Quoted(endHeader) + " to end " + std::string(sectionName));
      }
      return rows - 1;
    }
    if (needEndLine) {
      Fail("expected the line " + Quoted(endHeader) + " after at most 100 rows of " +
           std::string(sectionName));
    }
    return kMaxRows - 1;
  }
};

HeadPass::HeadPass(const std::string& path) : reader_(std::make_unique<Reader>(path)) {}
HeadPass::~HeadPass() = default;

void HeadPass::ReadVersionRtpSeed(GameState& s) {
  Reader& r = *reader_;
  while (r.Need("a line starting " + Quoted(kVersionStart)).substr(0, kVersionStart.size()) !=
         kVersionStart) {
  }
  s.GameVersion = Trim(std::string_view(r.line()).substr(kVersionStart.size()));

  const std::string& rtpLine = r.Need("the RTP line after the version line");
  const std::optional<int> whole = ReadRtpPart(Columns(rtpLine, 12, 14));
  const std::optional<int> hundredths = ReadRtpPart(Columns(rtpLine, 15, 16));
  const std::string rtpRead = "the RTP reads " + Quoted(Trim(Columns(rtpLine, 12, rtpLine.size())));
  if (whole && *whole >= 100) r.Fail(rtpRead + "; expected an RTP below 100 percent");
  if (!whole || !hundredths) {
    r.Fail(rtpRead + "; expected the RTP as whole percent, comma and hundredths in columns 12 to 16 (\"95,67\")");
  }
  s.Game_RTP = static_cast<float>(*whole + *hundredths / 100.0);

  r.SkipTo(kRngHeader);
  const std::string& seedLine = r.Need("the seed line after " + Quoted(kRngHeader));
  const std::optional<double> seed =
      ReadStrictNumber(seedLine.size() >= 8 ? std::string_view(seedLine).substr(7) : std::string_view());
  if (!seed) r.Fail("expected a number from column 8 of the seed line (\"SEED = 12345\")");
  const double rounded = RoundHalfEven(*seed);
  if (!(rounded >= std::numeric_limits<int32_t>::min() && rounded <= std::numeric_limits<int32_t>::max())) {
    r.Fail("the seed reads " + Quoted(Trim(std::string_view(seedLine).substr(7))) + RoundedTo(*seed, rounded) +
           "; expected a seed within -2147483648..2147483647");
  }
  s.RngSeed = static_cast<int32_t>(rounded);
}

void HeadPass::ReadCountsAndNames(GameState& s) {
  Reader& r = *reader_;
  r.SkipTo(kStripHeader);
  s.ReelStripLast = static_cast<int16_t>(r.CountRows("the REEL STRIP section", kFreeStripHeader, true));
  s.FreeReelStripLast =
      static_cast<int16_t>(r.CountRows("the FREE SPINS REEL STRIP section", kWinLineHeader, false));

  r.SkipTo(kPayTableHeader);
  for (int i = 0; i < kFigures; ++i) {
    const std::string& line = r.Need("the paytable line of figure " + std::to_string(i));
    const std::string cell = Trim(Columns(line, 1, 12));
    if (cell.size() < 2 || cell.back() != ',') {
      r.Fail("expected a figure name directly followed by its comma in columns 1 to 12");
    }
    std::string name = cell.substr(0, cell.size() - 1);
    if (name.find(',') != std::string::npos) r.Fail("expected a figure name without a comma in it");
    s.FigureName[i] = std::move(name);
  }
  r.Close();
}

struct BodyPass::Reader : LineReader {
  using LineReader::LineReader;

  void ReadStrip(GameState& s, int16_t (&strip)[kStripPositions][kReels], int16_t (&last)[kReels],
                 int16_t sectionLast) {
    if (sectionLast < 1 || sectionLast >= kStripPositions) {
      throw std::logic_error("strip row count outside 2..101; run the head pass first");
    }
    for (int i = 0; i <= sectionLast; ++i) {
      const std::string& line = Need("strip row " + std::to_string(i));
      std::string_view fields[kReels];
      if (!ScanFields(line, fields)) Fail("expected five comma-terminated reel fields");
      for (int reel = 0; reel < kReels; ++reel) {
        const int figure = FigureOf(s, fields[reel]);
        if (figure == kGap && last[reel] == 0) {
          // Every reel holds 2+ figures, so no window ever shows a gap.
          if (i < 2) {
            Fail("reel " + std::to_string(reel) + " has a gap in row " + std::to_string(i) +
                 "; expected at least two figures before a reel's first gap");
          }
          last[reel] = static_cast<int16_t>(i - 1);
        }
        strip[i][reel] = static_cast<int16_t>(figure);
      }
    }
    for (int16_t& reelLast : last) {
      if (reelLast == 0) reelLast = sectionLast;
    }
  }
};

BodyPass::BodyPass(const std::string& path) : reader_(std::make_unique<Reader>(path)) {}
BodyPass::~BodyPass() = default;

void BodyPass::ReadStrips(GameState& s) {
  if (s.FigureNameList.size() != static_cast<size_t>(kFigures)) {
    throw std::logic_error("the body pass needs the 13 figure names in FigureNameList");
  }
  Reader& r = *reader_;
  r.SkipTo(kStripHeader);
  r.ReadStrip(s, s.ReelStrip, s.ReelLast, s.ReelStripLast);
  r.SkipTo(kFreeStripHeader);
  r.ReadStrip(s, s.FreeReelStrip, s.FreeReelLast, s.FreeReelStripLast);
}

void BodyPass::ReadPayTable(GameState& s) {
  Reader& r = *reader_;
  r.SkipTo(kPayTableHeader);
  for (int i = 0; i < kFigures; ++i) {
    const std::string& line = r.Need("the paytable line of figure " + std::to_string(i));
    std::string_view fields[6];
    if (!ScanFields(line, fields)) r.Fail("expected six comma-terminated fields (name and five pays)");
    for (int count = 0; count <= 5; ++count) {
      const double read = ReadLenient(fields[count]);
      const double pay = RoundHalfEven(read);
      // An ordinary figure's line pay may be doubled by a wild in 16 bits.
      const bool doubled = i < kWild && count >= 2;
      const double low = doubled ? -16384 : -32768;
      const double high = doubled ? 16383 : 32767;
      if (!(pay >= low && pay <= high)) {
        r.Fail("field " + std::to_string(count + 1) + " reads " + Quoted(Trim(fields[count])) +
               RoundedTo(read, pay) + "; expected a pay within " + PlainText(static_cast<int64_t>(low)) + ".." +
               PlainText(static_cast<int64_t>(high)));
      }
      s.PayTable[i][count] = static_cast<int16_t>(pay);
    }
  }
  r.Close();
}

void ReplaceNegativeSeed(GameState& s) {
  if (s.RngSeed >= 0) return;
  std::mt19937 source(static_cast<uint32_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
  // The whole part of r x 65536 for r = the draw / 2^32 in [0, 1).
  s.RngSeed = static_cast<int32_t>(source() >> 16);
}

}  // namespace tamberlo
