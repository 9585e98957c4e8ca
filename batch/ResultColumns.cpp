// SPDX-License-Identifier: MIT
#include "batch/ResultColumns.h"


namespace Lodema {

namespace {

void AddCaption(ResultCaptions& captions, std::string_view delimiter, std::string_view prefix,
                std::string_view label) {
  if (captions.count > 0) captions.text.append(delimiter);
  captions.text.append(prefix);
  captions.text.append(label);
  ++captions.count;
}

const ResultField& Result(const RowSchema& schema, int box) {
  return schema.results[static_cast<std::size_t>(box)];
}

void AddBoxCaptions(const RowSchema& schema, int first, std::string_view prefix,
                    std::string_view delimiter, ResultCaptions& captions) {
  for (int k = first; k < first + 3; ++k) {
    if (Result(schema, k).shown) AddCaption(captions, delimiter, prefix, Result(schema, k).caption);
  }
}

void AddBoxValues(const RowSchema& schema, const ResultBoxTexts& texts, int first,
                  std::string_view delimiter, LinePieces& pieces) {
  for (int k = first; k < first + 3; ++k) {
    if (!Result(schema, k).shown) continue;
    pieces.Add(delimiter);
    pieces.Add(texts[static_cast<std::size_t>(k)]);
  }
}

}  // namespace

ResultCaptions GetResultCaptions(const RowSchema& schema, const ResultColumnFlags& flags,
                                 const std::string& pitchName, std::string_view delimiter) {
  ResultCaptions captions;
  AddBoxCaptions(schema, 0, "Result:", delimiter, captions);
  if (flags.apparentDip) {
    if (schema.extraResultShown) {
      AddCaption(captions, delimiter, "AppDip:", "Angle");
      AddCaption(captions, delimiter, "AppDip:", "Sense");
    } else {
      AddCaption(captions, delimiter, pitchName, ":Angle");
      AddCaption(captions, delimiter, pitchName, ":Sense");
    }
  }
  if (flags.referencePlane) {
    const bool planeContainingLine = schema.info->solutions == SolutionOutput::kPlaneContainingLine;
    AddBoxCaptions(schema, 3, planeContainingLine ? "Plane:" : "RefPlane:", delimiter, captions);
  }
  if (flags.ambiguous) AddBoxCaptions(schema, 6, "RefPlane2:", delimiter, captions);
  if (flags.secondResult) AddBoxCaptions(schema, 9, "Result2:", delimiter, captions);
  return captions;
}

bool HasVisibleMainResult(const RowSchema& schema, const ResultBoxTexts& texts) {
  for (int k = 0; k < 3; ++k) {
    if (Result(schema, k).shown && !texts[static_cast<std::size_t>(k)].empty()) return true;
  }
  return false;
}

void AppendResultValues(const RowSchema& schema, const ResultBoxTexts& texts,
                        const ResultColumnFlags& flags, std::string_view delimiter,
                        LinePieces& out) {
  bool first = true;
  for (int k = 0; k < 3; ++k) {
    if (!Result(schema, k).shown) continue;
    if (!first) out.Add(delimiter);
    out.Add(texts[static_cast<std::size_t>(k)]);
    first = false;
  }
  if (flags.apparentDip) {
    out.Add(delimiter);
    out.Add(texts[12]);
    out.Add(delimiter);
    out.Add(texts[13]);
  }
  if (flags.referencePlane) AddBoxValues(schema, texts, 3, delimiter, out);
  if (flags.ambiguous) AddBoxValues(schema, texts, 6, delimiter, out);
  if (flags.secondResult) AddBoxValues(schema, texts, 9, delimiter, out);
}

void AppendEmptyFields(int count, std::string_view delimiter, std::string& out) {
  for (int i = 1; i < count; ++i) out.append(delimiter);
}

}  // namespace Lodema
