// SPDX-License-Identifier: MIT
// A file page on a real main window model, with scripted platform services
// and a scratch folder.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/CalculatorModel.h"
#include "model/FilePage.h"
#include "tests/batch/FakePlatform.h"

namespace Lodema::testing {

// One main window model with its file page and scripted services.
class PageRig {
 public:
  PageRig() {
    platform_.messages = &messages;
    platform_.dialogs = &dialogs;
    platform_.clipboard = &clipboard;
    platform_.retain = &retain;
  }

  // Selects calculation n with the given input and output plane notation.
  void SelectCalculation(int n, int planeIn = 1, int planeOut = 1) {
    model.settings().Calculation = n;
    model.settings().PlaneConvIn = planeIn;
    model.settings().PlaneConvOut = planeOut;
    model.ApplySettingsToControls();
    model.ShowStoredCalculation();
    page = std::make_unique<FilePageModel>(model, platform_);
    page->SetOutputFileText(OutputPath());
  }

  // Writes the input file and makes it the source (preview and columns).
  void UseInput(const std::string& bytes) { page->SetInputSource(folder.Write("in.txt", bytes)); }

  BatchOutcome StartBatch() { return page->StartBatchInput(1); }

  std::string OutputPath() const { return folder.File("out.txt"); }
  std::string Output() const { return ScratchFolder::Read(OutputPath()); }

  CalculatorModel model;
  FakeMessages messages;
  FakeDialogs dialogs;
  FakeClipboard clipboard;
  FakeRetain retain;
  ScratchFolder folder;
  std::unique_ptr<FilePageModel> page;

 private:
  BatchPlatform platform_;
};

}  // namespace Lodema::testing
