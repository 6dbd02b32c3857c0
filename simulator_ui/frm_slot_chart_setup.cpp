#include "frm_slot_chart_setup.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "text_format.h"

namespace tamberlo::chart {
namespace {

constexpr double kInt16Min = std::numeric_limits<int16_t>::min();
constexpr double kInt16Max = std::numeric_limits<int16_t>::max();
constexpr double kInt32Max = std::numeric_limits<int32_t>::max();
// The chart is XSizeSteps + 20 units wide, and that sum stays a 16-bit number.
constexpr double kMaxSteps = kInt16Max - 20;
// The band's edges, (Target - Min +/- 4) * 10, stay 16-bit numbers.
constexpr double kMaxTargetDistance = 3272;

const char* const kBoxNames[kSetupBoxes] = {
    "X size", "Min", "Step", "Target",
    "red Line counter reset", "green Line counter reset", "blue Line counter reset"};

std::string Shown(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", value);
  return text;
}

// A box's value in plain digits: a zero without its sign, and a value that
// would show as "inf" or with an exponent as the text typed, quoted, cut short.
std::string ShownRead(double read, const std::string& typed) {
  if (std::fabs(read) < 1e15) return Shown(read == 0 ? 0.0 : read);
  constexpr size_t kShownChars = 20;
  const std::string text = Trim(typed);
  if (text.size() <= kShownChars) return '"' + text + '"';
  size_t cut = kShownChars;
  while (cut > 0 && (text[cut] & 0xC0) == 0x80) --cut;  // not inside a UTF-8 character
  return '"' + text.substr(0, cut) + "...\"";
}

SetupRefusal Refuse(int box, const std::string& expected, double read, const std::string& typed) {
  return {box, std::string("Chart Setup: the ") + kBoxNames[box] + " box must hold " + expected +
                   ", but it reads " + ShownRead(read, typed) + ". The chart keeps its last setup."};
}

std::string Range(double low, double high) {
  return "a whole number from " + Shown(low) + " to " + Shown(high);
}

}  // namespace

SetupReading ReadSetupTexts(const SetupTexts& texts) {
  double v[kSetupBoxes];
  for (int i = 0; i < kSetupBoxes; ++i) v[i] = RoundHalfEven(ReadLenient(texts[i]));

  SetupReading reading;
  auto check = [&](int box, bool ok, const std::string& expected) {
    if (!ok && !reading.refusal) reading.refusal = Refuse(box, expected, v[box], texts[box]);
  };
  auto within = [](double value, double low, double high) { return value >= low && value <= high; };

  check(0, within(v[0], 1, kMaxSteps), Range(1, kMaxSteps));
  check(1, within(v[1], kInt16Min, kInt16Max), Range(kInt16Min, kInt16Max));
  check(2, within(v[2], kInt16Min, kInt16Max) && v[2] != 0,
        Range(kInt16Min, kInt16Max) + " other than 0");
  const bool minOk = within(v[1], kInt16Min, kInt16Max);
  check(3, within(v[3], kInt16Min, kInt16Max), Range(kInt16Min, kInt16Max));
  check(3, !minOk || within(v[3] - v[1], -kMaxTargetDistance, kMaxTargetDistance),
        "a number no more than " + Shown(kMaxTargetDistance) + " away from Min");
  check(4, within(v[4], -kInt32Max - 1, kInt32Max), Range(-kInt32Max - 1, kInt32Max));
  // A negative length still divides the call count: a window of as many calls, without the sign.
  for (int box : {5, 6}) {
    check(box, within(v[box], -kInt32Max - 1, kInt32Max) && v[box] != 0,
          Range(-kInt32Max - 1, kInt32Max) + " other than 0");
  }
  if (reading.refusal) return reading;

  ChartSetup& s = reading.setup;
  s.XSizeSteps = static_cast<int16_t>(v[0]);
  s.MinPercent = static_cast<int16_t>(v[1]);
  s.StepPercent = static_cast<int16_t>(v[2]);
  s.TargetPercent = static_cast<int16_t>(v[3]);
  for (int i = 0; i < 3; ++i) s.CounterReset[i] = static_cast<int32_t>(v[4 + i]);
  return reading;
}

}  // namespace tamberlo::chart
