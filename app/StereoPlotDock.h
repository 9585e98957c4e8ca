// SPDX-License-Identifier: MIT
// The stereonet as a dock of the main window: on its right at first, so the
// net is always beside the calculator; it can be floated as a window of its
// own and docked again, and its side, size and floating place come back at
// the next start.
#pragma once

#include <QDockWidget>

#include "calc/Settings.h"
#include "calc/SettingsStore.h"

class QMainWindow;
class StereoPlotWindow;

class StereoPlotDock : public QDockWidget {
  Q_OBJECT
 public:
  // Takes plot as its content and adds itself, hidden, to owner's right
  // side; the place saved by Remember is restored.
  StereoPlotDock(StereoPlotWindow& plot, QMainWindow& owner, Lodema::SettingsStore& store);

  // Shows the dock where it was last (beside the main window the first
  // time, taking a share of its width).
  void Reveal();
  // Writes the dock's side, size and floating place to the store, and its
  // frame's place into rect (as the plot window's place). False when the
  // dock is not shown (nothing written).
  bool Remember(Lodema::WindowRect& rect);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The share of the main window's width the net takes when first shown.
  int FirstWidth() const;
  // Gives the net its first share, widening the main window when the
  // screen has room.
  void TakeFirstShare();

  StereoPlotWindow& plot_;
  QMainWindow& owner_;
  Lodema::SettingsStore& store_;
  bool placed_ = false;
};
