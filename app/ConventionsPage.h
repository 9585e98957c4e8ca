// SPDX-License-Identifier: MIT
// The conventions page: input and output notations with "Same as Input
// File", the reformat calculations, the polarity sign, the drill-core
// conventions, the decimal character with "Set as default", the plot text
// separators and the settings buttons commandButtons(2..5).
#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <vector>

#include "model/Controls.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace Lodema {
class CalculatorModel;
}

class ConventionsPage : public QObject {
  Q_OBJECT
 public:
  // reformatRows: the rows of calculations 15 and 16, placed under the
  // notation options.
  ConventionsPage(Lodema::CalculatorModel& model, QWidget* reformatRow15, QWidget* reformatRow16,
                  QObject* parent = nullptr);

  QWidget* Page() const { return page_; }
  void Refresh();

  // "Set as default": set, cleared, or grey (the system's own character is
  // chosen, so there is nothing to keep).
  enum class SetDecimalState { kGrey, kCleared, kSet };
  // The settings buttons, in their order on the page.
  enum class Command { kSaveAsDefault, kSaveSettings, kDefaults, kNomenclature };
  SetDecimalState SetDecimal() const { return setDecimal_; }
  void SetSetDecimal(SetDecimalState state);
  // The plot text separators shown in the two separator lists from the settings.
  void ShowSeparators();

  // The option named name + i (as "optInPlaneConv1").
  QRadioButton* Option(const QString& name, int i) const;
  QRadioButton* InPlane(int i) const { return Option(QStringLiteral("optInPlaneConv"), i); }
  QRadioButton* OutPlane(int i) const { return Option(QStringLiteral("optOutPlaneConv"), i); }
  QRadioButton* OutDirn(int i) const { return Option(QStringLiteral("optOutDirnConv"), i); }
  QRadioButton* Decimal(int i) const { return Option(QStringLiteral("optDecimal"), i); }
  QCheckBox* SameAsInput() const { return outputSameAsInputBox_; }
  QCheckBox* LinePolarity() const { return polaritySignBox_; }
  QCheckBox* SetDecimalBox() const { return setDecimalBox_; }
  QLabel* LocaleWarning() const { return localeWarning_; }
  QPushButton* CommandButton(Command command) const {
    return commandButtons_[static_cast<std::size_t>(command)];
  }
  QComboBox* Separator(int i) const { return separatorLists_[i]; }
  QCheckBox* ShowStereo() const { return showStereoBox_; }

  // The page lays itself out in one column when view (the visible part of
  // the page) is narrower than its usual two, as on a 1024 x 640 screen.
  void FollowWidthOf(QWidget* view);
  // 0: notations in two columns, the rest in rows; 1: the same with the
  // settings buttons under the separators; 2: one column; 3: one column,
  // the drill-core options too.
  int Arrangement() const { return level_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  void commandClicked(ConventionsPage::Command command);
  void setDecimalClicked();            // "Set as default" was ticked or cleared
  void showStereoClicked(bool shown);  // "Show stereo plot"
  void separatorsChanged();            // a separator text, already in the settings

 private:
  // Options name0, name1, ... (from first on) one under the other in a
  // titled box; a change of choice goes to choose.
  template <std::size_t N>
  QGroupBox* OptionGroup(const QString& title, const QString& name, int first,
                         const std::array<Lodema::OptionButton, N>& states,
                         void (Lodema::CalculatorModel::*choose)(int));
  void OnDecimalClicked(int index);
  void Arrange(int level);
  void FitWidth(int width);

  Lodema::CalculatorModel& model_;
  QWidget* page_ = nullptr;
  // The parts the page arranges in two columns or in one.
  QGridLayout* pageLayout_ = nullptr;
  QWidget* input_ = nullptr;
  QWidget* output_ = nullptr;
  QWidget* reformat_ = nullptr;
  QWidget* core_ = nullptr;
  QGridLayout* coreGrid_ = nullptr;
  std::array<QWidget*, 6> coreGroups_{};
  QWidget* decimal_ = nullptr;
  QWidget* separators_ = nullptr;
  QWidget* commands_ = nullptr;
  QWidget* bottom_ = nullptr;  // decimal_, separators_ and commands_
  QGridLayout* bottomGrid_ = nullptr;
  QWidget* shownIn_ = nullptr;
  static constexpr int kArrangements = 4;
  int level_ = -1;
  std::array<int, kArrangements> leastWidths_{};  // 0 until tried

  // Each option group's mirror of its states.
  std::vector<std::function<void()>> optionMirrors_;
  std::array<QGroupBox*, 3> outputNotationPanels_{};
  QCheckBox* outputSameAsInputBox_ = nullptr;
  QCheckBox* polaritySignBox_ = nullptr;
  QLabel* calculationCaptions42_ = nullptr;
  QCheckBox* setDecimalBox_ = nullptr;
  SetDecimalState setDecimal_ = SetDecimalState::kGrey;
  QLabel* localeWarning_ = nullptr;
  std::array<QComboBox*, 2> separatorLists_{};
  QCheckBox* showStereoBox_ = nullptr;
  std::array<QPushButton*, 4> commandButtons_{};  // by Command
};
