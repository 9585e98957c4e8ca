// SPDX-License-Identifier: MIT
#include "batch/ResultColumns.h"

#include "batch/TextAppend.h"

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

void AppendBoxValues(const RowSchema& schema, const ResultBoxTexts& texts, int first,
                     std::string_view delimiter, std::string& out) {
  for (int k = first; k < first + 3; ++k) {
    if (!Result(schema, k).shown) continue;
    AppendShort(out, delimiter);
    AppendShort(out, texts[static_cast<std::size_t>(k)]);
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
                        std::string& out) {
  bool first = true;
  for (int k = 0; k < 3; ++k) {
    if (!Result(schema, k).shown) continue;
    if (!first) AppendShort(out, delimiter);
    AppendShort(out, texts[static_cast<std::size_t>(k)]);
    first = false;
  }
  if (flags.apparentDip) {
    AppendShort(out, delimiter);
    AppendShort(out, texts[12]);
    AppendShort(out, delimiter);
    AppendShort(out, texts[13]);
  }
  if (flags.referencePlane) AppendBoxValues(schema, texts, 3, delimiter, out);
  if (flags.ambiguous) AppendBoxValues(schema, texts, 6, delimiter, out);
  if (flags.secondResult) AppendBoxValues(schema, texts, 9, delimiter, out);
}

void AppendEmptyFields(int count, std::string_view delimiter, std::string& out) {
  for (int i = 1; i < count; ++i) out.append(delimiter);
}

}  // namespace Lodema
