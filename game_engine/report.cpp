#include "report.h"

#include <cerrno>
#include <cstdio>
#include <stdexcept>
#include <string_view>

#include "definition_file.h"
#include "file_failure.h"
#include "text_format.h"

namespace tamberlo {

namespace {

constexpr std::string_view kCompanyWeb = "www.oskarth.example";
constexpr std::string_view kContactMail = "maths@oskarth.example";
constexpr std::string_view kMakerWeb = "www.oskarth.example";
constexpr std::string_view kRule = "=======================================";

// A cell of `width` characters: the text, a comma and blanks, cut to width.
std::string Cell(std::string_view text, size_t width) {
  std::string cell(text.substr(0, width));
  cell.push_back(',');
  cell.resize(width, ' ');
  return cell;
}

// Game_RTP * 100 in its shortest text with a comma before the last two
// characters, so 0.5 percent reads ,50. Below 0.10 percent the text has a
// single character and no last two: it is led by zeros to read as
// hundredths, so 0.05 percent reads 0,05.
std::string RtpText(float rtp) {
  std::string t = PlainText(rtp * 100.0f);
  if (t.size() < 2) t.insert(0, 3 - t.size(), '0');
  t.insert(t.size() - 2, 1, ',');
  return t;
}

std::string DateText(const std::tm& now) {
  char text[64];
  return std::string(text, std::strftime(text, sizeof text, "%d.%m.%Y  %H:%M:%S", &now));
}

void Line(std::string& out, std::string_view text) {
  out.append(text);
  out.append("\r\n");
}

void StripRows(std::string& out, const GameState& s, const int16_t (&strip)[kStripPositions][kReels],
               int last) {
  for (int position = 0; position <= last; ++position) {
    for (int reel = 0; reel < kReels; ++reel) {
      const int figure = strip[position][reel];
      const bool isFigure = figure >= 0 && figure < kFigures;
      out.append(Cell(isFigure ? std::string_view(s.FigureName[figure]) : "GAP", 11));
    }
    Line(out, " _");
  }
}

}  // namespace

void WriteGameDescription(GameState& s, const std::tm& now) {
  s.ReportFileName = kReportFileName;
  std::string out;
  out.reserve(16384);
  Line(out, "  Company: " + std::string(kCompanyWeb));
  Line(out, "Game Name: Tamberlo");
  Line(out, std::string(kVersionStart) + s.GameVersion);
  Line(out, " Game RTP: " + RtpText(s.Game_RTP) + " %");
  Line(out, "     Date: " + DateText(now));
  Line(out, kRule);
  Line(out, "   Design: Oskarth Ltd.");
  Line(out, "    Email: " + std::string(kContactMail));
  Line(out, "      Web: " + std::string(kMakerWeb));
  Line(out, kRule);
  Line(out, kRngHeader);
  Line(out, "SEED = " + PlainText(static_cast<int64_t>(s.RngSeed)));

  Line(out, kStripHeader);
  StripRows(out, s, s.ReelStrip, s.ReelStripLast);
  Line(out, kFreeStripHeader);
  StripRows(out, s, s.FreeReelStrip, s.FreeReelStripLast);

  Line(out, kWinLineHeader);
  for (int line = 0; line < kLines; ++line) {
    for (int reel = 0; reel < kReels; ++reel) {
      out.append(Cell(BlankLed(int64_t{s.WinLineRow[line][reel]}), 4));
    }
    Line(out, " _ Line" + BlankLed(int64_t{line + 1}));
  }

  Line(out, kPayTableHeader);
  for (int figure = 0; figure < kFigures; ++figure) {
    out.append(Cell(s.FigureName[figure], 11));
    out.push_back(' ');
    for (int count = 1; count <= 5; ++count) {
      out.append(Cell(BlankLed(int64_t{s.PayTable[figure][count]}), 7));
    }
    Line(out, " _");
  }

  std::FILE* file = std::fopen(kReportFileName, "wb");
  if (file == nullptr) {
    throw FileError(FileFailure(kReportFileName, errno));
  }
  const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
  const int error = errno;
  if (std::fclose(file) != 0 || !written) {
    throw FileError(FileFailure(kReportFileName, written ? errno : error));
  }
}

}  // namespace tamberlo
