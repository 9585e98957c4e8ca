// SPDX-License-Identifier: MIT
#include "model/FilePage.h"

#include "batch/Delimiters.h"
#include "calc/CoreConventions.h"
#include "calc/SettingsIO.h"
#include "model/CalculatorModel.h"
#include "model/FilePageTexts.h"
#include "orient/NumberText.h"

namespace Lodema {

class FilePageModel::Progress : public BatchProgress {
 public:
  explicit Progress(FilePageModel& page) : page_(page) {}
  void CounterShown(bool shown) override { page_.controls_.counterVisible = shown; }
  void Processed(std::int64_t count) override {
    page_.controls_.processedCount = count;
    if (page_.progressHandler_) page_.progressHandler_(count);
  }
  bool StopRequested() override { return page_.stopRequested_; }

 private:
  FilePageModel& page_;
};

FilePageModel::FilePageModel(CalculatorModel& model, const BatchPlatform& platform,
                             InputFiles* inputs, OutputFiles* outputs)
    : model_(model),
      platform_(platform),
      inputs_(inputs != nullptr ? *inputs : defaultInputs_),
      outputs_(outputs != nullptr ? *outputs : defaultOutputs_),
      mapper_(controls_),
      survey_(controls_.survey, model.settings()),
      writer_(platform, outputs_),
      runner_(writer_, platform, inputs_),
      progress_(std::make_unique<Progress>(*this)) {
  for (CommandButton& button : controls_.commandButtons) {
    button.caption = kStartInputCaption;
    button.visible = false;
  }
  controls_.fileNameBoxes[0].text = kNoFileSelected;
  controls_.fileNameBoxes[1].text = kNoFileSelected;
  controls_.fileNameBoxes[2].text = kDefaultOutputFileText;
  controls_.tableHeadingsBox.caption = kTableHeadingsCaption;
  for (CheckBox& fix : controls_.manualFixBoxes) fix.caption = kManualFixCaption;
  for (int i = 0; i < kOutputOptionCount; ++i) {
    controls_.fileOutputOptions[i].caption = kOutputOptionCaptions[i];
    controls_.fileOutputOptions[i].tooltip = kOutputOptionTooltips[i];
  }
  controls_.outputModeOptions[0].caption = kReplaceDataCaption;
  controls_.outputModeOptions[1].caption = kAppendDataCaption;
  controls_.outputModeOptions[0].checked = true;
  controls_.delimiterLists[0].entries.assign(kInputDelimiterEntries.begin(),
                                             kInputDelimiterEntries.end());
  controls_.delimiterLists[1].entries.assign(kOutputDelimiterEntries.begin(),
                                             kOutputDelimiterEntries.end());
  // Both lists start on "tab".
  SelectEntry(controls_.delimiterLists[0], 0);
  SelectEntry(controls_.delimiterLists[1], 0);

  writer_.SetSelectAppendHandler([this] { SetAppendData(true); });
  runner_.SetProgress(progress_.get());
  runner_.SetChooseInputFile([this]() -> std::optional<std::string> {
    GetInputFile();
    if (cancelled_) return std::nullopt;
    return model_.settings().FileIn;
  });
  model_.SetFilePageAvailable(true);
  Observe(true);
  survey_.Show(TakesSurveyAxis(model_.Schema()));
}

FilePageModel::~FilePageModel() { Observe(false); }

void FilePageModel::Observe(bool on) {
  if (!on) {
    if (observerId_ != 0) model_.RemoveObserver(observerId_);
    observerId_ = 0;
    return;
  }
  if (observerId_ != 0) return;
  // A new calculation shows other entry boxes: their lists follow.
  observerId_ = model_.AddObserver([this](ModelEvent event) {
    if (event != ModelEvent::kCalculationSelected) return;
    mapper_.UpdateListVisibility(Layout());
    mapper_.ReadColumnMapping(Layout());
    survey_.Show(TakesSurveyAxis(model_.Schema()));
  });
}

EntryLayout FilePageModel::Layout() const { return EntryLayoutOf(model_.Schema()); }

void FilePageModel::ShowMessage(const std::string& text, MessageIcon icon,
                                const std::string& title) {
  if (platform_.messages != nullptr) {
    platform_.messages->ShowMessage(text, title, MessageButtons::kOk, icon);
  }
}

namespace {

std::optional<std::string> AskInputFileName(const BatchPlatform& platform) {
  return platform.dialogs != nullptr ? platform.dialogs->AskInputFileName() : std::nullopt;
}

void SelectListText(DropDownList& list, const std::string& text) {
  list.text = text;
  list.listIndex = -1;
  for (std::size_t i = 0; i < list.entries.size(); ++i) {
    if (list.entries[i] == text) list.listIndex = static_cast<int>(i);
  }
}

}  // namespace

// ---- Start-up ---------------------------------------------------------------

void FilePageModel::ApplySettingsToControls() {
  Settings& s = model_.settings();
  SelectListText(controls_.delimiterLists[0], InputDelimiterListText(s.gFileInDelimiter));
  TriStateBox& same = controls_.fileOutputOptions[kOptSameDelimiter];
  same = TriStateBox{};
  if (!IsAnyDelimiterSet(s.gFileInDelimiter) && s.gFileInDelimiter == s.gFileOutDelimiter) {
    same.checked = true;
    SelectListText(controls_.delimiterLists[1], "tab");
  } else {
    SelectListText(controls_.delimiterLists[1], OutputDelimiterListText(s.gFileOutDelimiter));
    if (IsAnyDelimiterSet(s.gFileInDelimiter)) {
      same.enabled = false;
      same.grey = true;
    }
  }

  const std::string input = s.FileIn.empty() ? std::string(kNoFileSelected) : s.FileIn;
  controls_.fileNameBoxes[0].text = input;
  controls_.fileNameBoxes[1].text = input;
  controls_.fileNameBoxes[2].text = s.FileOut;
  controls_.currentFileCaption = s.FileOut;
  survey_.ApplySettings();
  survey_.Show(TakesSurveyAxis(model_.Schema()));

  auto& options = controls_.fileOutputOptions;
  options[kOptRetainInput].checked = s.gRetainInputData;
  options[kOptResultsFirst].checked = s.gInputAppended;
  options[kOptResultsLast].checked = !s.gInputAppended;
  options[kOptKeepNonData].checked = s.gKeepFileNonData;
  options[kOptResultCaptions].checked = s.gIncludeResultsCaptions;
  ApplyRetainOption(s.gRetainInputData);
  GetOutputFileInfo();

  if (!s.FileIn.empty()) AcceptInputSource(s.FileIn);
}

// ---- Input source and columns -------------------------------------------------

void FilePageModel::AcceptInputSource(const std::string& name) {
  // Another file's columns mean nothing for this one.
  mapper_.ForgetColumns();
  model_.settings().FileIn = name;
  controls_.fileNameBoxes[0].text = name;
  controls_.fileNameBoxes[1].text = name;
  FillSheetList(name);
  if (!name.empty()) {
    controls_.inputFrameEnabled = true;
    controls_.outputOptionsEnabled = true;
    for (CommandButton& button : controls_.commandButtons) button.visible = true;
  }
  RefreshColumnPreview();
}

void FilePageModel::GetInputFile() {
  const std::optional<std::string> chosen = AskInputFileName(platform_);
  cancelled_ = !chosen.has_value();
  if (cancelled_) return;
  AcceptInputSource(*chosen);
}

void FilePageModel::SetInputFileText(int box, const std::string& text) {
  if (box < 0 || box > 1) return;
  controls_.fileNameBoxes[box].text = text;
  if (!ReadsClipboard(text) && !NumberText::FileExists(text)) {
    // The previous file is no longer what the box names: it must not be
    // previewed or run as if it were.
    model_.settings().FileIn.clear();
    controls_.previewGrid = PreviewGrid{};
    controls_.sourceProblem = text.empty() ? std::string() : NoSuchFileMessage(text);
    for (CommandButton& button : controls_.commandButtons) button.visible = false;
    return;
  }
  AcceptInputSource(text);
}

void FilePageModel::SetInputSource(const std::string& name) { AcceptInputSource(name); }

void FilePageModel::SetInputDelimiterText(const std::string& text) {
  SelectListText(controls_.delimiterLists[0], text);
  RefreshColumnPreview();
}

void FilePageModel::SetTableHeadings(bool checked) {
  controls_.tableHeadingsBox.checked = checked;
  TriStateBox& headers = controls_.fileOutputOptions[kOptInputHeaders];
  if (!checked) {
    headers.enabled = false;
    headers.checked = false;
    includeInputHeaders_ = false;
  } else if (controls_.fileOutputOptions[kOptRetainInput].checked) {
    headers.enabled = true;
    headers.visible = true;
  }
  RefreshColumnPreview();
}

void FilePageModel::SetManualFix(int window, bool checked) {
  mapper_.SetManualFix(window, checked, Layout());
  RefreshColumnPreview();
}

void FilePageModel::SetColumnListIndex(int slot, int index) {
  mapper_.SetListIndex(slot, index, Layout());
}

void FilePageModel::ActivateColumnList(int slot) { mapper_.ActivateList(slot); }

void FilePageModel::GridColumnClicked(int column) { mapper_.GridColumnClicked(column, Layout()); }

void FilePageModel::EndGridColumnSelection() { mapper_.EndGridSelection(); }

void FilePageModel::RefreshColumnPreview() {
  Settings& s = model_.settings();
  s.gFileInDelimiter = InputDelimiterSetFromListText(controls_.delimiterLists[0].text);
  controls_.columnMismatchVisible = false;
  controls_.previewGrid.visible = false;
  controls_.sourceProblem.clear();
  const EntryLayout layout = Layout();
  if (!s.FileIn.empty() && s.FileIn != "None") {
    std::unique_ptr<LineReader> reader;
    if (ReadsClipboard(s.FileIn)) {
      if (platform_.clipboard != nullptr && platform_.clipboard->HasText()) {
        reader = std::make_unique<TextLineReader>(platform_.clipboard->Text());
      }
    } else {
      reader = inputs_.Open(s.FileIn);
    }
    controls_.previewGrid =
        BuildPreview(reader.get(), s.gFileInDelimiter, controls_.tableHeadingsBox.checked);
    controls_.sourceProblem =
        controls_.previewGrid.notText ? NotTextMessage(s.FileIn) : controls_.previewGrid.problem;
    inputColumns_ = controls_.previewGrid.columns;
    mapper_.RefillLists(inputColumns_, layout);
    survey_.RefillColumnLists(inputColumns_);
  }
  mapper_.UpdateListVisibility(layout);
  mapper_.ReadColumnMapping(layout);
}

void FilePageModel::ReadColumnMapping() { mapper_.ReadColumnMapping(Layout()); }

// ---- Output file and options --------------------------------------------------

void FilePageModel::ChooseOutputFile() {
  std::optional<std::string> chosen =
      platform_.dialogs != nullptr ? platform_.dialogs->AskOutputFileName() : std::nullopt;
  if (chosen) SetOutputFileText(*chosen);
}

void FilePageModel::SetOutputFileText(const std::string& text) {
  controls_.fileNameBoxes[2].text = text;
  GetOutputFileInfo();
  controls_.currentFileCaption = text;
}

void FilePageModel::SetOutputDelimiterText(const std::string& text) {
  SelectListText(controls_.delimiterLists[1], text);
}

void FilePageModel::ApplyRetainOption(bool retain) {
  Settings& s = model_.settings();
  auto& options = controls_.fileOutputOptions;
  s.gRetainInputData = retain;
  for (int i = kOptResultsFirst; i <= kOptKeepNonData; ++i) options[i].enabled = retain;
  TriStateBox& headers = options[kOptInputHeaders];
  if (!retain) {
    headers.enabled = false;
    headers.visible = false;
    headers.checked = false;
  } else {
    s.gInputAppended = options[kOptResultsFirst].checked;
    s.gKeepFileNonData = options[kOptKeepNonData].checked;
    const bool headings = controls_.tableHeadingsBox.checked;
    headers.enabled = headings;
    headers.visible = headings;
    if (!headings) headers.checked = false;
  }
  includeInputHeaders_ = headers.checked;
}

void FilePageModel::SetOutputOption(int index, bool checked) {
  if (index < 0 || index >= kOutputOptionCount || model_.Initialising()) return;
  TriStateBox& box = controls_.fileOutputOptions[index];
  if (!box.enabled) return;
  box.checked = checked;
  box.grey = false;
  Settings& s = model_.settings();
  auto& options = controls_.fileOutputOptions;
  switch (index) {
    case kOptRetainInput:
      ApplyRetainOption(checked);
      break;
    case kOptResultsFirst:
      if (checked != s.gInputAppended) {
        s.gInputAppended = checked;
        options[kOptResultsLast].checked = !checked;
      }
      break;
    case kOptResultsLast:
      if (checked == s.gInputAppended) {
        s.gInputAppended = !checked;
        options[kOptResultsFirst].checked = !checked;
      }
      break;
    case kOptKeepNonData:
      s.gKeepFileNonData = checked;
      break;
    case kOptSameDelimiter:
      s.gFileOutDelimiter = checked && !IsAnyDelimiterSet(s.gFileInDelimiter)
                                ? s.gFileInDelimiter
                                : controls_.delimiterLists[1].text;
      break;
    case kOptInputHeaders:
      includeInputHeaders_ = checked;
      break;
    case kOptResultCaptions:
      s.gIncludeResultsCaptions = checked;
      break;
    default:
      break;  // 6..9 are read when a run starts
  }
}

void FilePageModel::SetAppendData(bool append) {
  controls_.outputModeOptions[1].checked = append;
  controls_.outputModeOptions[0].checked = !append;
}

void FilePageModel::GetOutputFileInfo() {
  Settings& s = model_.settings();
  s.FileOut = controls_.fileNameBoxes[2].text;
  writer_.SetFileName(s.FileOut);
  if (controls_.fileOutputOptions[kOptSameDelimiter].checked &&
      !IsAnyDelimiterSet(s.gFileInDelimiter)) {
    writer_.SetDelimiter(s.gFileInDelimiter);
  } else {
    writer_.SetDelimiter(OutputDelimiterFromListText(controls_.delimiterLists[1].text));
  }
}

void FilePageModel::SaveCurrentResultWindow() {
  if (controls_.fileNameBoxes[2].text.empty()) {
    ShowMessage(kNoFileSelectedMessage, MessageIcon::kCritical, kMessageTitle);
    ChooseOutputFile();
  }
  GetOutputFileInfo();
  writer_.SetLayout(model_.Schema(), model_.settings().gPitchName);
  ResultBoxTexts texts;
  for (int box = 0; box < kResultBoxCount; ++box) {
    texts[static_cast<std::size_t>(box)] = model_.Controls().resultValues[box].caption;
  }
  writer_.WriteResultLine(model_.settings().FileOut, AppendData(), false, texts);
}

// ---- Runs -------------------------------------------------------------------

bool FilePageModel::ReadsClipboard(const std::string& name) const {
  // Without a clipboard (the command-line tool) a name is always a file.
  return platform_.clipboard != nullptr && IsPasteSourceName(name);
}

void FilePageModel::ChooseSurveyFile() {
  if (const auto chosen = AskInputFileName(platform_)) SetSurveyFileText(*chosen);
}

void FilePageModel::ChooseCollarFile() {
  if (const auto chosen = AskInputFileName(platform_)) SetCollarFileText(*chosen);
}

void FilePageModel::SetSurveyFileText(const std::string& text) {
  survey_.SetSurveyFile(text);
  std::string problem;
  if (!text.empty()) LoadSurvey(problem);
}

void FilePageModel::SetCollarFileText(const std::string& text) {
  survey_.SetCollarFile(text);
  std::string problem;
  if (!model_.settings().SurveyFile.empty()) LoadSurvey(problem);
}

void FilePageModel::SetSurveyHoleColumn(int index) { survey_.SetHoleColumn(index); }
void FilePageModel::SetSurveyDepthColumn(int index) { survey_.SetDepthColumn(index); }

std::shared_ptr<const SurveyRun> FilePageModel::LoadSurvey(std::string& problem) {
  const std::string delimiters = InputDelimiterSetFromListText(controls_.delimiterLists[0].text);
  return survey_.Load(SurveyReadingOf(model_.Schema(), delimiters), inputs_, problem);
}

BatchOutcome FilePageModel::StartBatchInput(int button) {
  if (button < 0 || button > 1) return {};
  CommandButton& start = controls_.commandButtons[button];
  const char* const idleCaption = button == 1 ? kStartInputCaption : "Start";
  start.captionColour = kRunningCaptionColour;
  start.caption = kWaitCaption;

  Settings& s = model_.settings();
  model_.SetMessage(IsCoreCalculation(model_.Calculation())
                        ? CoreHint(s.PlungeName, CoreConventionsOf(s))
                        : std::string());

  const MainWindowControls& main = model_.Controls();
  const RowSchema schema = model_.Schema();
  const auto& options = controls_.fileOutputOptions;
  BatchJob job;
  job.columns.apparentDip = options[kOptApparentDipColumns].checked && schema.extraResultShown;
  if (schema.info->solutions != SolutionOutput::kNone) {
    job.columns.referencePlane = options[kOptRefPlaneColumns].checked;
    job.columns.ambiguous = options[kOptAmbiguousColumns].checked;
    job.columns.secondResult = options[kOptSecondResultColumns].checked;
  }
  s.gFileInDelimiter = InputDelimiterSetFromListText(controls_.delimiterLists[0].text);
  GetOutputFileInfo();
  ReadColumnMapping();
  job.outputFile = s.FileOut;
  job.outputDelimiter = writer_.Delimiter();
  job.append = AppendData();
  job.decimalChar = model_.OutputDecimalChar();
  job.pitchName = s.gPitchName;
  job.sourceIsClipboard = ReadsClipboard(s.FileIn);
  job.sourceProblem = controls_.sourceProblem;

  BatchRunRequest& request = job.request;
  request.sourceName = s.FileIn;
  request.map = mapper_.Map();
  request.delimiterSet = s.gFileInDelimiter;
  request.headings = controls_.tableHeadingsBox.checked;
  request.schema = schema;
  if (survey_.InUse()) {
    // The survey gives window C of every row.
    std::string problem;
    request.survey = LoadSurvey(problem);
    if (!request.survey) {
      ShowMessage(problem, MessageIcon::kExclamation, kMessageTitle);
      start.caption = idleCaption;
      return {};
    }
    request.map[6] = kNoColumn;
    request.map[7] = kNoColumn;
  }
  // Boxes no column feeds keep what the user typed (windows fixed by hand,
  // the section trend); the others are filled by every row.
  for (int box = 0; box < kEntryBoxCount; ++box) {
    const bool fed =
        box < kSlotCount && request.map[static_cast<std::size_t>(box)] != kManuallyFixed;
    if (!fed) request.keptTexts[static_cast<std::size_t>(box)] = main.entryBoxes[box].text;
  }
  BatchOutputOptions& run = job.output;
  run.retainInput = s.gRetainInputData;
  run.inputAppended = s.gInputAppended;
  run.keepNonData = s.gKeepFileNonData;
  run.includeCaptions = s.gIncludeResultsCaptions;
  run.includeInputHeaders = includeInputHeaders_;
  run.inputColumns = inputColumns_;

  // No calculation can be selected during a run.
  Observe(false);
  stopRequested_ = false;
  model_.SetBatchRunning(true);
  runner_.SetPlot(&model_.plot());
  const JobRun result = RunBatchJob(job, writer_, runner_, inputs_, outputs_, platform_.messages);
  if (result.outcome.lastRowTexts) {
    // The window is left showing the last row processed.
    std::array<std::optional<std::string>, kEntryBoxCount> shown;
    for (int slot = 0; slot < kSlotCount; ++slot) {
      if (request.map[static_cast<std::size_t>(slot)] != kManuallyFixed) {
        shown[static_cast<std::size_t>(slot)] =
            (*result.outcome.lastRowTexts)[static_cast<std::size_t>(slot)];
      }
    }
    model_.ShowRowTexts(shown);
  }
  stopRequested_ = false;
  model_.SetBatchRunning(false);
  Observe(true);
  if (!result.started) {
    // The checks of what the user chose give the button back at once.
    if (result.refusal != JobRefusal::kSameFile && result.refusal != JobRefusal::kOutputNotOpened) {
      start.caption = idleCaption;
    }
    return result.outcome;
  }
  controls_.runStatus.clear();
  if (result.summary) ShowMessage(*result.summary, MessageIcon::kExclamation, kMessageTitle);
  if (result.outcome.sourceOpened && !result.summary) {
    controls_.runStatus = RunStatusText(result.outcome.counts.dataRows, s.FileOut);
  }
  start.captionColour = kFinishedCaptionColour;
  start.caption = idleCaption;
  if (button == 0 && store_ != nullptr) SaveSettings(s, *store_, kSaveConventions);
  return result.outcome;
}

void FilePageModel::PasteData() {
  if (platform_.clipboard == nullptr || !platform_.clipboard->HasText()) {
    ShowMessage(kNoDataToPasteMessage, MessageIcon::kExclamation, kPasteTitle);
    return;
  }
  controls_.fileNameBoxes[0].text = kPasteSourceName;
  AcceptInputSource(kPasteSourceName);
}

}  // namespace Lodema
