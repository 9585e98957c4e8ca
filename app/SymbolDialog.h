// SPDX-License-Identifier: MIT
// "Select Symbol": the colour, shape and size of each kind's symbol on the
// plot (Result and windows A-D), chosen from the palette and the shape
// catalogue, with a preview per kind.
#pragma once

#include <QDialog>
#include <array>

#include "plot/PlotRecord.h"
#include "plot/Symbols.h"

class QSlider;
class QPushButton;

namespace symbols {
class SymbolBox;
}

class SymbolDialog : public QDialog {
  Q_OBJECT
 public:
  using KindSymbols = std::array<Lodema::Plot::SymbolStyle, Lodema::Plot::kKindCount>;

  // Largest size the slider offers; the defaults use 3 and 4.
  static constexpr int kLargestSize = 10;

  SymbolDialog(const Lodema::Plot::Palette& palette, QWidget* parent = nullptr);
  ~SymbolDialog() override;

  void SetPalette(const Lodema::Plot::Palette& palette);
  // The five kinds' symbols to start from; selects the Result.
  void SetSymbols(const KindSymbols& symbols);
  const KindSymbols& Symbols() const { return symbols_; }
  // True when the dialog was left with Cancel (or its frame).
  bool CancelForm() const { return cancelForm_; }
  int SelectedKind() const { return selected_; }

  QWidget* ColourBox(int i) const;   // 0..24
  QWidget* ShapeBox(int j) const;    // 0..17
  QWidget* PreviewBox(int k) const;  // 0..4
  QSlider* SizeSlider() const { return sldSymbSize_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

 private:
  void SelectKind(int kind);
  // Sets one part (colour, shape, size) of the selected kind's symbol and
  // redraws its preview; thenOk (a double-click) closes the dialog as OK.
  void Choose(int Lodema::Plot::SymbolStyle::*part, int value, bool thenOk);
  void Finish(bool cancelled);
  void reject() override { Finish(true); }

  Lodema::Plot::Palette palette_;
  KindSymbols symbols_{};
  int selected_ = 0;
  bool cancelForm_ = false;
  std::array<symbols::SymbolBox*, Lodema::Plot::kPaletteSize> colourBoxes_{};
  std::array<symbols::SymbolBox*, Lodema::Plot::kLastChoosableShape + 1> shapeBoxes_{};
  std::array<symbols::SymbolBox*, Lodema::Plot::kKindCount> previewBoxes_{};
  QSlider* sldSymbSize_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};
