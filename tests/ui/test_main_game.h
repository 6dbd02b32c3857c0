#pragma once
// A small hand-made game for the main window's tests, written into a fresh
// working folder: 12 rows per strip, figure (row + reel) mod 13, so scatters
// and wilds come often and the first symbol window is known.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "startup.h"
#include "ui_platform.h"

namespace maintest {

inline std::string FigureName(int figure) {
  if (figure == 11) return "Wild";
  if (figure == 12) return "Scatter";
  return std::string("F").append(std::to_string(figure));  // not +: a false -Wrestrict in g++ 12
}

inline std::string Cell(const std::string& text, int width) {
  std::string cell = text + ",";
  cell.resize(std::max<size_t>(cell.size(), width), ' ');
  return cell;
}

constexpr int kRows = 12;

inline std::string Definition(const std::string& seedLine = "SEED = 4321") {
  std::string file = "  Company: example\r\n  Version: 1.0.7\r\n Game RTP: 95,50 %\r\n";
  file += "RNG DESCRIPTION\r\n" + seedLine + "\r\n";
  for (const char* section : {"REEL STRIP", "FREE SPINS REEL STRIP"}) {
    file += std::string(section) + "\r\n";
    for (int row = 0; row < kRows; ++row) {
      for (int reel = 0; reel < 5; ++reel) file += Cell(FigureName((row + reel) % 13), 11);
      file += " _\r\n";
    }
  }
  file += "WIN LINE DESCRIPTION\r\nPAYTABLE DESCRIPTION\r\n";
  for (int figure = 0; figure < 13; ++figure) {
    file += Cell(FigureName(figure), 11) + " ";
    const int pays[6] = {0, 0, figure == 12 ? 1 : 0, 5, 20, 100};
    for (int count = 1; count <= 5; ++count) file += Cell(std::string(" ").append(std::to_string(pays[count])), 7);
    file += " _\r\n";
  }
  return file;
}

inline void WriteFile(const QString& path, const std::string& text) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
  file.write(text.data(), static_cast<qint64>(text.size()));
}

inline QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The test's working folder; the program's files land here.
struct WorkFolder {
  QTemporaryDir dir;
  QString previous = QDir::currentPath();
  explicit WorkFolder(const std::string& definition = Definition()) {
    QDir::setCurrent(dir.path());
    if (!definition.empty()) WriteFile("ReelSetup.ini", definition);
  }
  ~WorkFolder() { QDir::setCurrent(previous); }
};

// The program started in the current folder; message boxes are answered Ok
// and their texts kept, and beeps counted, for as long as it lives.
struct Program {
  QStringList messages;
  int beeps = 0;
  tamberlo::GameState state;
  tamberlo::RunLogs logs;
  std::unique_ptr<frmQuorvane> window;

  Program() {
    tamberlo::ui::SetMessageResponder([this](const QString& text, auto) { return messages << text, tamberlo::ui::Answer::Ok; });
    tamberlo::ui::SetBeepHook([this] { ++beeps; });
    window = tamberlo::ui::Main(state, logs);
  }
  ~Program() {
    tamberlo::ui::SetMessageResponder({});
    tamberlo::ui::SetBeepHook({});
  }
};

}  // namespace maintest
