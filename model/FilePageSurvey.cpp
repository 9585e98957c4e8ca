// SPDX-License-Identifier: MIT
#include "model/FilePageSurvey.h"

#include "model/FilePageTexts.h"

namespace Lodema {

namespace {

std::string Counted(std::size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

SurveyChooser::SurveyChooser(SurveyControls& controls, Settings& settings)
    : controls_(controls), settings_(settings) {
  RefillColumnLists(0);
}

void SurveyChooser::ApplySettings() {
  controls_.surveyFile.text = settings_.SurveyFile;
  controls_.collarFile.text = settings_.CollarFile;
  controls_.status.clear();
  RefillColumnLists(static_cast<int>(controls_.holeColumn.entries.size()) - 1);
}

void SurveyChooser::RefillColumnLists(int columns) {
  FillColumnEntries(controls_.holeColumn, columns);
  FillColumnEntries(controls_.depthColumn, columns);
  SelectEntry(controls_.holeColumn, settings_.SurveyHoleColumn);
  SelectEntry(controls_.depthColumn, settings_.SurveyDepthColumn);
}

void SurveyChooser::SetSurveyFile(const std::string& name) {
  settings_.SurveyFile = name;
  controls_.surveyFile.text = name;
  controls_.status.clear();
}

void SurveyChooser::SetCollarFile(const std::string& name) {
  settings_.CollarFile = name;
  controls_.collarFile.text = name;
  controls_.status.clear();
}

void SurveyChooser::SetHoleColumn(int index) {
  if (index < 0 || index >= static_cast<int>(controls_.holeColumn.entries.size())) return;
  settings_.SurveyHoleColumn = index;
  SelectEntry(controls_.holeColumn, index);
}

void SurveyChooser::SetDepthColumn(int index) {
  if (index < 0 || index >= static_cast<int>(controls_.depthColumn.entries.size())) return;
  settings_.SurveyDepthColumn = index;
  SelectEntry(controls_.depthColumn, index);
}

std::shared_ptr<const SurveyRun> SurveyChooser::Load(const SurveyReading& reading,
                                                     InputFiles& files, std::string& problem) {
  problem.clear();
  const int hole = settings_.SurveyHoleColumn;
  const int depth = settings_.SurveyDepthColumn;
  std::unique_ptr<LineReader> lines = files.Open(settings_.SurveyFile);
  SurveyTable::Read read;
  if (!lines) {
    problem = "The survey file " + settings_.SurveyFile + " cannot be opened.";
  } else {
    read = SurveyTable::FromLines(*lines, kDefaultSurveyColumns, reading);
    if (!read.table) problem = "The survey file cannot be used: " + read.error + ".";
  }
  if (problem.empty() && !settings_.CollarFile.empty()) {
    std::unique_ptr<LineReader> collars = files.Open(settings_.CollarFile);
    const std::string error = collars
                                  ? read.table->AddCollars(*collars, kDefaultCollarColumns, reading)
                                  : "it cannot be opened";
    if (!error.empty()) problem = "The collar file cannot be used: " + error + ".";
  }
  if (problem.empty() && (hole < 1 || depth < 1 || hole == depth)) {
    problem = "Choose the columns of the hole and of the depth for the survey.";
  }
  if (!problem.empty()) {
    controls_.status = problem;
    return nullptr;
  }
  controls_.status = Counted(static_cast<std::size_t>(read.table->HoleCount()), "hole", "holes") +
                     " and " + Counted(read.table->StationCount(), "station", "stations") + " read";
  auto survey = std::make_shared<SurveyRun>();
  survey->table = std::make_shared<const SurveyTable>(std::move(*read.table));
  survey->holeColumn = hole;
  survey->depthColumn = depth;
  survey->positionColumns = !settings_.CollarFile.empty();
  return survey;
}

}  // namespace Lodema
