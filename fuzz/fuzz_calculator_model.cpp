// SPDX-License-Identifier: MIT
// The main window's model driven as a user would: a calculation and the
// conventions are chosen, then text is typed into entry boxes and options
// are clicked in any order. After every step no caption, result or message
// may show "nan" or "inf"; at the end a copy of the model (what a batch
// worker runs on) must answer a further entry as the original does.
//
// Input: five header bytes (calculation, option flags, input notation,
// output notation, reference choices), then steps, each a command byte
// followed by its text up to a line end. Commands 'a'..'m' type the text
// into entry boxes 0..12; the ones after 'm' click an option with the
// text's first byte as its argument (see Step).
#include <cstdint>
#include <string>
#include <string_view>

#include "model/CalculatorModel.h"
#include "calc/Catalogue.h"
#include "fuzz/FuzzChecks.h"
#include "fuzz/ShownTexts.h"

namespace {

constexpr std::size_t kHeaderBytes = 5;
constexpr int kCommandCount = 33;

bool Bit(std::uint8_t byte, int bit) { return ((byte >> bit) & 1) != 0; }

void ApplyHeader(Lodema::CalculatorModel& model, const std::uint8_t* header) {
  Lodema::Settings& s = model.settings();
  s.Calculation = header[0] % Lodema::kCalculationCount;
  model.SetLocaleDecimalMark(Bit(header[1], 0) ? OrientGeometry::DecimalMark::kComma
                                               : OrientGeometry::DecimalMark::kPoint);
  s.NonLocaleDecimal = Bit(header[1], 1);
  s.ShowPolaritySign = Bit(header[1], 2);
  s.BottomMark = Bit(header[1], 3);
  s.deltaNormal = Bit(header[1], 4);
  s.EllipseBase = Bit(header[1], 5);
  s.BetaConv = Bit(header[1], 6);
  s.CoreConv = Bit(header[1], 7);
  s.PlaneConvIn = 1 + header[2] % 6;
  s.QuadrantIn = (header[2] / 6) % 2;
  s.LineConvIn = (header[2] / 12) % 2;
  s.PlaneConvOut = 1 + header[3] % 6;
  s.QuadrantOut = (header[3] / 6) % 2;
  s.LineConvOut = (header[3] / 12) % 2;
  s.SteepDip = header[4] % 3;
  s.referenceDirection = (header[4] / 3) % 4;
  s.ZenithConv = Bit(header[4], 6);
  s.CoreUpTrend = Bit(header[4], 7);
  if (s.ZenithConv) s.PlungeName = "zenith";
}

void Step(Lodema::CalculatorModel& model, int command, const std::string& text) {
  if (command < Lodema::kEntryBoxCount) {
    model.SetEntryText(command, text);
    return;
  }
  const int arg = text.empty() ? 0 : static_cast<std::uint8_t>(text[0]);
  switch (command) {
    case 13:
      model.SelectCalculation(arg % Lodema::kCalculationCount);
      break;
    case 14:
      model.SetInputPlaneNotation(1 + arg % 6);
      break;
    case 15:
      model.SetOutputPlaneNotation(1 + arg % 6);
      break;
    case 16:
      model.SetInputLineOrder(arg % 2);
      break;
    case 17:
      model.SetOutputLineOrder(arg % 2);
      break;
    case 18:
      model.SetInputDirectionNotation(arg % 2);
      break;
    case 19:
      model.SetOutputDirectionNotation(arg % 2);
      break;
    case 20:
      model.SetOutputSameAsInput(arg % 2 == 1);
      break;
    case 21:
      model.SetReferenceDirection(arg % 4);
      break;
    case 22:
      model.SetApproximateDip(arg % 3);
      break;
    case 23:
      model.SetApparentDipShown(arg % 2 == 1);
      break;
    case 24:
      model.SetPolaritySignShown(arg % 2 == 1);
      break;
    case 25:
      model.SetDecimalChar(arg % 2);
      break;
    case 26:
      model.SetEllipseMark(arg % 2);
      break;
    case 27:
      model.SetBetaRange(arg % 2);
      break;
    case 28:
      model.SetOrientationMark(arg % 2);
      break;
    case 29:
      model.SetCorePlungeSign(arg % 2);
      break;
    case 30:
      model.SetDeltaReference(arg % 2);
      break;
    case 31:
      model.SetCoreInclination(arg % 2);
      break;
    default:
      model.Calculate();
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kHeaderBytes) return 0;
  Lodema::CalculatorModel model;
  ApplyHeader(model, data);
  model.ApplySettingsToControls();
  model.ShowStoredCalculation();
  LodemaFuzz::CheckShownTexts(model.Controls(), false);

  const std::string_view steps(reinterpret_cast<const char*>(data) + kHeaderBytes,
                               size - kHeaderBytes);
  bool typedNonFinite = false;
  std::size_t at = 0;
  while (at < steps.size()) {
    const int command =
        static_cast<std::uint8_t>(static_cast<std::uint8_t>(steps[at]) - 'a') % kCommandCount;
    const std::size_t end = std::min(steps.find('\n', at + 1), steps.size());
    const std::string text(steps.substr(at + 1, end - at - 1));
    at = end + 1;
    typedNonFinite = typedNonFinite || LodemaFuzz::ShowsNonFinite(text);
    Step(model, command, text);
    LodemaFuzz::CheckShownTexts(model.Controls(), typedNonFinite);
  }

  return 0;
}
