// The conventions page: input and output notations with "Same as Input
// File", the reformat calculations, the polarity sign, the drill-core
// conventions, the decimal character with "Set as default", the plot text
// separators and the settings buttons cmdButtons(2..5).
#pragma once

#include <QObject>
#include <array>

#include "calc/Controls.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace Lodema {
class FormModel;
}

class ConventionsPage : public QObject {
  Q_OBJECT
 public:
  // reformatRows: the rows of calculations 15 and 16, placed under the
  // notation options.
  ConventionsPage(Lodema::FormModel& model, QWidget* reformatRow15, QWidget* reformatRow16,
                  QObject* parent = nullptr);

  QWidget* Page() const { return page_; }
  void Refresh();

  // "Set as default": set, cleared, or grey (the system's own character is
  // chosen, so there is nothing to keep).
  enum class SetDecimalState { kGrey, kCleared, kSet };
  SetDecimalState SetDecimal() const { return setDecimal_; }
  void SetSetDecimal(SetDecimalState state);
  // The plot text separators shown in cboSeparator(0..1) from the settings.
  void ShowSeparators();

  QRadioButton* InPlane(int i) const { return optInPlaneConv_[i]; }
  QRadioButton* OutPlane(int i) const { return optOutPlaneConv_[i]; }
  QRadioButton* InLine(int i) const { return optInLineConv_[i]; }
  QRadioButton* OutLine(int i) const { return optOutLineConv_[i]; }
  QRadioButton* InDirn(int i) const { return optInDirnConv_[i]; }
  QRadioButton* OutDirn(int i) const { return optOutDirnConv_[i]; }
  QCheckBox* SameAsInput() const { return chkOutConv_; }
  QCheckBox* LinePolarity() const { return chkLinePolarity_; }
  QRadioButton* Decimal(int i) const { return optDecimal_[i]; }
  QCheckBox* SetDecimalBox() const { return chkSetDecimal_; }
  QLabel* LocaleWarning() const { return lblLocaleWarning_; }
  QPushButton* Command(int i) const { return cmdButtons_[i]; }
  QComboBox* Separator(int i) const { return cboSeparator_[i]; }
  QRadioButton* CoreOption(const QString& name, int i) const;

 signals:
  void commandClicked(int index);  // cmdButtons(2..5)
  void setDecimalClicked();        // "Set as default" was ticked or cleared

 private:
  template <std::size_t N>
  QGroupBox* OptionGroup(const QString& title, const QString& name,
                         std::array<QRadioButton*, N>& buttons, QButtonGroup*& group, int first,
                         void (Lodema::FormModel::*handler)(int),
                         std::array<Lodema::OptionButton, N> Lodema::MainWindowControls::*state);
  void OnDecimalClicked(int index);

  Lodema::FormModel& model_;
  QWidget* page_ = nullptr;

  std::array<QRadioButton*, 7> optInPlaneConv_{};
  std::array<QRadioButton*, 7> optOutPlaneConv_{};
  std::array<QRadioButton*, 2> optInLineConv_{};
  std::array<QRadioButton*, 2> optOutLineConv_{};
  std::array<QRadioButton*, 2> optInDirnConv_{};
  std::array<QRadioButton*, 2> optOutDirnConv_{};
  std::array<QGroupBox*, 3> panConvOut_{};
  QCheckBox* chkOutConv_ = nullptr;
  QCheckBox* chkLinePolarity_ = nullptr;
  QLabel* lblCalc42_ = nullptr;

  std::array<QRadioButton*, 2> optDelta_{};
  std::array<QRadioButton*, 2> optAlpha_{};
  std::array<QRadioButton*, 2> optBeta_{};
  std::array<QRadioButton*, 2> optCore_{};
  std::array<QRadioButton*, 2> optBottomMark_{};
  std::array<QRadioButton*, 2> optZenith_{};
  std::array<QRadioButton*, 2> optDecimal_{};

  // One exclusive group per option array.
  QButtonGroup* inPlaneGroup_ = nullptr;
  QButtonGroup* outPlaneGroup_ = nullptr;
  QButtonGroup* inLineGroup_ = nullptr;
  QButtonGroup* outLineGroup_ = nullptr;
  QButtonGroup* inDirnGroup_ = nullptr;
  QButtonGroup* outDirnGroup_ = nullptr;
  QButtonGroup* deltaGroup_ = nullptr;
  QButtonGroup* alphaGroup_ = nullptr;
  QButtonGroup* betaGroup_ = nullptr;
  QButtonGroup* coreGroup_ = nullptr;
  QButtonGroup* bottomMarkGroup_ = nullptr;
  QButtonGroup* zenithGroup_ = nullptr;
  QButtonGroup* decimalGroup_ = nullptr;

  QCheckBox* chkSetDecimal_ = nullptr;
  SetDecimalState setDecimal_ = SetDecimalState::kGrey;
  QLabel* lblLocaleWarning_ = nullptr;
  std::array<QComboBox*, 2> cboSeparator_{};
  std::array<QPushButton*, 6> cmdButtons_{};  // 2..5 live here
};
