// SPDX-License-Identifier: MIT
// The texts of the main window's controls, for the fuzz targets that check
// what the window would show.
#pragma once

#include <string>
#include <string_view>

#include "model/Controls.h"
#include "fuzz/FuzzChecks.h"

namespace LodemaFuzz {

// Checks that no caption, result or message of the window shows a
// non-finite number. Typed text is the user's own: entry boxes and the
// message (which may quote an entry) are checked only when typedNonFinite
// is false, that is when nothing typed held "nan" or "inf" itself.
inline void CheckShownTexts(const Lodema::MainWindowControls& c, bool typedNonFinite) {
  const auto each = [](const auto& controls, std::string_view what) {
    for (const auto& control : controls) {
      if constexpr (requires { control.caption; }) {
        CheckFinite(control.caption, what);
      } else {
        CheckFinite(control.text, what);
      }
    }
  };
  each(c.resultValues, "result value");
  each(c.resultCaptions, "result caption");
  each(c.entryCaptions, "entry caption");
  each(c.resultFrames, "result frame");
  each(c.calculationCaptions, "calculation caption");
  each(c.calculationFrames, "calculation frame");
  each(c.windowPanels, "window panel");
  each(c.fileOutputOptions, "file output option");
  each(c.referenceDirectionOptions, "reference direction option");
  each(c.approximateDipOptions, "approximate dip option");
  each(c.inputPlaneNotationOptions, "input notation option");
  each(c.outputPlaneNotationOptions, "output notation option");
  for (const auto* label : {&c.captionSecondLine, &c.windowACaption, &c.sectionCaption,
                            &c.extraResultNote, &c.localeWarning}) {
    CheckFinite(label->caption, "label");
  }
  for (const auto* frame :
       {&c.windowsABFrame, &c.windowCFrame, &c.windowDFrame, &c.referenceDirectionFrame,
        &c.approximateDipFrame, &c.extraResultFrame, &c.sectionTrendFrame}) {
    CheckFinite(frame->caption, "frame");
  }
  if (!typedNonFinite) {
    each(c.entryBoxes, "entry box");
    CheckFinite(c.messagePanel.caption, "message");
  }
}

}  // namespace LodemaFuzz
