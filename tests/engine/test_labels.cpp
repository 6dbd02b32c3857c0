// The texts of the main window's labels, made from the values the engine hands over.
#include <gtest/gtest.h>

#include "labels.h"

namespace tamberlo {
namespace {

TEST(LabelText, RtpLine) {
  EXPECT_EQ(LabelText({LabelKind::RtpLine, 19000, 20000}), " Win 19 000 / 20 000 = 95.000%");
  EXPECT_EQ(LabelText({LabelKind::RtpLine, 0, 20}), " Win  / 20 = 0.000%");
  EXPECT_EQ(LabelText({LabelKind::RtpLine, 0, 0}), " Win  /  = no games yet");
}

TEST(LabelText, CountsAreBlankLed) {
  EXPECT_EQ(LabelText({LabelKind::GamesCount, 100}), " Games =  100");
  EXPECT_EQ(LabelText({LabelKind::FreeGamesLeft, 20}), " FreeGames =  20");
  EXPECT_EQ(LabelText({LabelKind::GameWin, 0}), " GameWin =  0");
  EXPECT_EQ(LabelText({LabelKind::GameWin, -20}), " GameWin = -20");
}

TEST(LabelText, FreeGamesInTheBaseGameAndRunForms) {
  EXPECT_EQ(LabelText({LabelKind::FreeGamesBase, 1234, 567890, 2000000}),
            " Free 1 234;  Win 567 890;  28.395%");
  EXPECT_EQ(LabelText({LabelKind::FreeGamesRun, 1234, 567890, 2000000}),
            " Free 1 234,  Win 567 890,  28.39%");
}

TEST(LabelText, HitRateIsNotTrimmed) {
  EXPECT_EQ(LabelText({LabelKind::HitRate, 1, 20}), "  1.000");
  EXPECT_EQ(LabelText({LabelKind::HitRate, 1000, 3}), " 6 666.667");
  EXPECT_EQ(LabelText({LabelKind::HitRate, 5, 0}), "no wins yet");
}

TEST(LabelText, Credit) {
  EXPECT_EQ(LabelText({LabelKind::Cash, 1000000}), " Cash = 1 000 000 $");
  EXPECT_EQ(LabelText({LabelKind::CashTotal, 1000000}), " Total = 1 000 000 $");
  EXPECT_EQ(LabelText({}), "");
}

}  // namespace
}  // namespace tamberlo
