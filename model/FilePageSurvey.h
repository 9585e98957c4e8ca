// SPDX-License-Identifier: MIT
// The file page's drill-hole survey: the survey and collar files and the
// hole and depth columns the user chose (kept in the settings with the
// other file choices), what reading them found, and the survey a run of a
// core calculation takes its axes from.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "batch/LineReader.h"
#include "batch/SurveyRows.h"
#include "calc/Settings.h"
#include "model/FilePageControls.h"

namespace Lodema {

class SurveyChooser {
 public:
  SurveyChooser(SurveyControls& controls, Settings& settings);

  // Shows the choice for a calculation a survey can serve.
  void Show(bool shown) { controls_.visible = shown; }
  // The file names and columns from the settings.
  void ApplySettings();
  // The hole and depth lists offer "None" and columns 1..columns.
  void RefillColumnLists(int columns);
  void SetSurveyFile(const std::string& name);
  void SetCollarFile(const std::string& name);
  // index 0 "None", n column n.
  void SetHoleColumn(int index);
  void SetDepthColumn(int index);

  // Whether a run takes its core axes from the survey.
  bool InUse() const { return controls_.visible && !settings_.SurveyFile.empty(); }
  // Reads the files under the reading given and says what was read on the
  // status line; the run's survey, or none with the problem.
  std::shared_ptr<const SurveyRun> Load(const SurveyReading& reading, InputFiles& files,
                                        std::string& problem);

 private:
  SurveyControls& controls_;
  Settings& settings_;
};

}  // namespace Lodema
