// SPDX-License-Identifier: MIT
#include "batch/ResultColumns.h"

#include "calc/Catalogue.h"

namespace Lodema {

namespace {

void AddCaption(ResultCaptions& captions, std::string_view delimiter, std::string_view prefix,
                std::string_view label) {
  if (captions.count > 0) captions.text.append(delimiter);
  captions.text.append(prefix);
  captions.text.append(label);
  ++captions.count;
}

void AddBoxCaptions(const MainWindowControls& c, int first, std::string_view prefix,
                    std::string_view delimiter, ResultCaptions& captions) {
  for (int k = first; k < first + 3; ++k) {
    if (c.resultValues[k].visible)
      AddCaption(captions, delimiter, prefix, c.resultCaptions[k].caption);
  }
}

void AppendBoxValues(const MainWindowControls& c, int first, std::string_view delimiter,
                     std::string& out) {
  for (int k = first; k < first + 3; ++k) {
    if (!c.resultValues[k].visible) continue;
    out.append(delimiter);
    out.append(c.resultValues[k].caption);
  }
}

}  // namespace

ResultCaptions GetResultCaptions(const MainWindowControls& c, const ResultColumnFlags& flags,
                                 int calculation, const std::string& pitchName,
                                 std::string_view delimiter) {
  ResultCaptions captions;
  AddBoxCaptions(c, 0, "Result:", delimiter, captions);
  if (flags.apparentDip) {
    if (c.entryBoxes[12].visible && c.windowPanels[5].visible) {
      AddCaption(captions, delimiter, "AppDip:", "Angle");
      AddCaption(captions, delimiter, "AppDip:", "Sense");
    } else {
      AddCaption(captions, delimiter, pitchName, ":Angle");
      AddCaption(captions, delimiter, pitchName, ":Sense");
    }
  }
  if (flags.referencePlane) {
    const CalculationInfo* info = FindCalculation(calculation);
    const bool planeContainingLine =
        info != nullptr && info->solutions == SolutionOutput::kPlaneContainingLine;
    AddBoxCaptions(c, 3, planeContainingLine ? "Plane:" : "RefPlane:", delimiter, captions);
  }
  if (flags.ambiguous) AddBoxCaptions(c, 6, "RefPlane2:", delimiter, captions);
  if (flags.secondResult) AddBoxCaptions(c, 9, "Result2:", delimiter, captions);
  return captions;
}

bool HasVisibleMainResult(const MainWindowControls& c) {
  for (int k = 0; k < 3; ++k) {
    if (c.resultValues[k].visible && !c.resultValues[k].caption.empty()) return true;
  }
  return false;
}

void AppendResultValues(const MainWindowControls& c, const ResultColumnFlags& flags,
                        std::string_view delimiter, std::string& out) {
  bool first = true;
  for (int k = 0; k < 3; ++k) {
    if (!c.resultValues[k].visible) continue;
    if (!first) out.append(delimiter);
    out.append(c.resultValues[k].caption);
    first = false;
  }
  if (flags.apparentDip) {
    out.append(delimiter);
    out.append(c.resultValues[12].caption);
    out.append(delimiter);
    out.append(c.resultValues[13].caption);
  }
  if (flags.referencePlane) AppendBoxValues(c, 3, delimiter, out);
  if (flags.ambiguous) AppendBoxValues(c, 6, delimiter, out);
  if (flags.secondResult) AppendBoxValues(c, 9, delimiter, out);
}

void AppendEmptyFields(int count, std::string_view delimiter, std::string& out) {
  for (int i = 1; i < count; ++i) out.append(delimiter);
}

}  // namespace Lodema
