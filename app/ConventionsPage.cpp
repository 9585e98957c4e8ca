// SPDX-License-Identifier: MIT
#include "app/ConventionsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <functional>

#include "app/Mirror.h"
#include "app/Named.h"
#include "app/ThemeColours.h"
#include "model/CalculatorModel.h"

namespace {

constexpr std::array<const char*, 4> kSeparatorEntries = {"-", "/", "\\", ","};

}  // namespace

template <std::size_t N>
QGroupBox* ConventionsPage::OptionGroup(const QString& title, const QString& name, int first,
                                        const std::array<Lodema::OptionButton, N>& states,
                                        void (Lodema::CalculatorModel::*choose)(int)) {
  auto* box = new QGroupBox(title);
  auto* layout = new QVBoxLayout(box);
  layout->setSpacing(0);
  const auto options =
      mirror::MakeOptions(this, name, first, states, std::bind_front(choose, &model_));
  optionMirrors_.push_back([options] { options.Mirror(); });
  for (QRadioButton* button : options.buttons) {
    if (button != nullptr) layout->addWidget(button);
  }
  return box;
}

ConventionsPage::ConventionsPage(Lodema::CalculatorModel& model, QWidget* reformatRow15,
                                 QWidget* reformatRow16, QObject* parent)
    : QObject(parent), model_(model) {
  using M = Lodema::CalculatorModel;
  const Lodema::MainWindowControls& c = model_.Controls();
  page_ = Named(new QWidget, QStringLiteral("tabConventions"));
  pageLayout_ = new QGridLayout(page_);

  // Notations: input on the left, output on the right.
  input_ = new QGroupBox(QStringLiteral("Input conventions"));
  {
    auto* grid = new QGridLayout(input_);
    grid->addWidget(OptionGroup(QStringLiteral("Planes"), QStringLiteral("optInPlaneConv"), 1,
                                c.inputPlaneNotationOptions, &M::SetInputPlaneNotation),
                    0, 0, 2, 1);
    grid->addWidget(OptionGroup(QStringLiteral("Lines"), QStringLiteral("optInLineConv"), 0,
                                c.inputLineOrderOptions, &M::SetInputLineOrder),
                    0, 1);
    grid->addWidget(OptionGroup(QStringLiteral("Directions"), QStringLiteral("optInDirnConv"), 0,
                                c.inputDirectionNotationOptions, &M::SetInputDirectionNotation),
                    1, 1);
  }
  output_ = new QGroupBox(QStringLiteral("Output conventions"));
  {
    auto* grid = new QGridLayout(output_);
    outputSameAsInputBox_ = Named(new QCheckBox, QStringLiteral("chkOutConv"));
    connect(outputSameAsInputBox_, &QCheckBox::clicked, this,
            [this](bool checked) { model_.SetOutputSameAsInput(checked); });
    grid->addWidget(outputSameAsInputBox_, 0, 0, 1, 2);
    outputNotationPanels_[0] =
        OptionGroup(QStringLiteral("Planes"), QStringLiteral("optOutPlaneConv"), 1,
                    c.outputPlaneNotationOptions, &M::SetOutputPlaneNotation);
    outputNotationPanels_[1] =
        OptionGroup(QStringLiteral("Lines"), QStringLiteral("optOutLineConv"), 0,
                    c.outputLineOrderOptions, &M::SetOutputLineOrder);
    outputNotationPanels_[2] =
        OptionGroup(QStringLiteral("Directions"), QStringLiteral("optOutDirnConv"), 0,
                    c.outputDirectionNotationOptions, &M::SetOutputDirectionNotation);
    for (int k = 0; k < 3; ++k)
      outputNotationPanels_[k]->setObjectName(QStringLiteral("panConvOut%1").arg(k));
    grid->addWidget(outputNotationPanels_[0], 1, 0, 2, 1);
    grid->addWidget(outputNotationPanels_[1], 1, 1);
    grid->addWidget(outputNotationPanels_[2], 2, 1);
  }

  // The reformat calculations and the polarity sign, under the notations.
  reformat_ = new QWidget;
  {
    auto* column = new QGridLayout(reformat_);
    column->setContentsMargins(4, 0, 4, 0);
    column->addWidget(reformatRow15, 0, 0);
    column->addWidget(reformatRow16, 1, 0);
    polaritySignBox_ = Named(new QCheckBox, QStringLiteral("chkLinePolarity"));
    polaritySignBox_->setToolTip(
        QStringLiteral("Controls whether 'upward' line plunges are indicated by -ve sign"));
    connect(polaritySignBox_, &QCheckBox::clicked, this,
            [this](bool checked) { model_.SetPolaritySignShown(checked); });
    calculationCaptions42_ = Named(new QLabel, QStringLiteral("lblCalc42"));
    calculationCaptions42_->setTextFormat(Qt::PlainText);
    auto* polarity = new QHBoxLayout;
    polarity->addWidget(polaritySignBox_);
    polarity->addWidget(calculationCaptions42_);
    polarity->addStretch(1);
    column->addLayout(polarity, 2, 0);
  }

  // Drill-core conventions.
  core_ = new QGroupBox(QStringLiteral("Drill-core conventions"));
  coreGrid_ = new QGridLayout(core_);
  struct CoreChoice {
    const char* title;
    const char* name;
    const std::array<Lodema::OptionButton, 2>& states;
    void (M::*choose)(int);
  };
  const std::array<CoreChoice, 6> coreChoices = {{
      {"delta angle measured from", "optDelta", c.deltaReferenceOptions, &M::SetDeltaReference},
      {"alpha && beta angles measured from", "optAlpha", c.ellipseMarkOptions, &M::SetEllipseMark},
      {"beta angle range", "optBeta", c.betaRangeOptions, &M::SetBetaRange},
      {"Core-plunge ('dip') sign meaning", "optCore", c.corePlungeSignOptions,
       &M::SetCorePlungeSign},
      {"Position of orientation mark on core", "optBottomMark", c.orientationMarkOptions,
       &M::SetOrientationMark},
      {"core orientation given:", "optZenith", c.coreInclinationOptions, &M::SetCoreInclination},
  }};
  for (std::size_t i = 0; i < coreChoices.size(); ++i) {
    const CoreChoice& choice = coreChoices[i];
    coreGroups_[i] = OptionGroup(QString::fromLatin1(choice.title),
                                 QString::fromLatin1(choice.name), 0, choice.states, choice.choose);
  }

  // Decimal character, plot separators and the settings buttons.
  decimal_ = new QGroupBox(QStringLiteral("Decimal character of results"));
  {
    auto* grid = new QGridLayout(decimal_);
    grid->setVerticalSpacing(0);
    const auto decimals =
        mirror::MakeOptions(this, QStringLiteral("optDecimal"), 0, c.decimalCharOptions,
                            [this](int i) { OnDecimalClicked(i); });
    optionMirrors_.push_back([decimals] { decimals.Mirror(); });
    for (int i = 0; i < 2; ++i) grid->addWidget(decimals.buttons[i], i, 0);
    setDecimalBox_ = new QCheckBox(QStringLiteral("Set as default"));
    setDecimalBox_->setObjectName(QStringLiteral("chkSetDecimal"));
    connect(setDecimalBox_, &QCheckBox::clicked, this, [this] {
      // A click on a grey box sets it; otherwise it toggles.
      SetSetDecimal(setDecimal_ == SetDecimalState::kSet ? SetDecimalState::kCleared
                                                         : SetDecimalState::kSet);
      emit setDecimalClicked();
    });
    grid->addWidget(setDecimalBox_, 0, 1);
    localeWarning_ = Named(new QLabel, QStringLiteral("lblLocaleWarning"));
    localeWarning_->setTextFormat(Qt::PlainText);
    theme::SetCaptionColour(localeWarning_, QColor(0xa0, 0, 0));
    mirror::KeepRoom(localeWarning_);
    grid->addWidget(localeWarning_, 1, 1);
  }

  separators_ = new QGroupBox(QStringLiteral("Separator symbols for stereo display"));
  {
    auto* grid = new QGridLayout(separators_);
    showStereoBox_ = new QCheckBox(QStringLiteral("Show stereo plot"));
    showStereoBox_->setObjectName(QStringLiteral("chkShowStereo"));
    connect(showStereoBox_, &QCheckBox::clicked, this,
            [this](bool checked) { emit showStereoClicked(checked); });
    grid->addWidget(showStereoBox_, 2, 0, 1, 2);
    const std::array<QString, 2> titles = {QStringLiteral("planes"), QStringLiteral("lines")};
    for (int i = 0; i < 2; ++i) {
      auto* list = Named(new QComboBox, QStringLiteral("cboSeparator%1").arg(i));
      list->setEditable(true);
      for (const char* entry : kSeparatorEntries) list->addItem(QString::fromLatin1(entry));
      list->setFixedWidth(52);
      connect(list, &QComboBox::editTextChanged, this, [this, i](const QString& text) {
        (i == 0 ? model_.settings().PlaneDelim : model_.settings().LineDelim) = mirror::S(text);
        emit separatorsChanged();
      });
      grid->addWidget(list, i, 0);
      grid->addWidget(new QLabel(titles[i]), i, 1);
      separatorLists_[i] = list;
    }
  }

  commands_ = new QWidget;
  auto* commands = new QGridLayout(commands_);
  commands->setContentsMargins(0, 0, 0, 0);
  const std::array<const char*, 4> captions = {"Save as default", "Save settings", "Defaults",
                                               "Nomenclature..."};
  for (int i = 0; i < 4; ++i) {
    auto* button = new QPushButton(QString::fromLatin1(captions[static_cast<std::size_t>(i)]));
    // The file page's two command buttons come first in the old numbering.
    button->setObjectName(QStringLiteral("cmdButtons%1").arg(i + 2));
    const auto command = static_cast<Command>(i);
    connect(button, &QPushButton::clicked, this, [this, command] { emit commandClicked(command); });
    commands->addWidget(button, i / 2, i % 2);
    commandButtons_[static_cast<std::size_t>(i)] = button;
  }
  CommandButton(Command::kNomenclature)
      ->setToolTip(QStringLiteral("Set user preferences for caption names"));
  bottom_ = new QWidget;
  bottomGrid_ = new QGridLayout(bottom_);
  bottomGrid_->setContentsMargins(0, 0, 0, 0);
  Arrange(0);
  Refresh();
}

QRadioButton* ConventionsPage::Option(const QString& name, int i) const {
  return page_->findChild<QRadioButton*>(name + QString::number(i));
}

void ConventionsPage::OnDecimalClicked(int index) {
  model_.SetDecimalChar(index);
  if (model_.settings().NonLocaleDecimal) {
    if (setDecimal_ == SetDecimalState::kGrey) SetSetDecimal(SetDecimalState::kCleared);
  } else {
    SetSetDecimal(SetDecimalState::kGrey);
  }
}

void ConventionsPage::SetSetDecimal(SetDecimalState state) {
  setDecimal_ = state;
  const QSignalBlocker blocker(setDecimalBox_);
  // Shown as kGrey, kCleared and kSet are listed.
  constexpr std::array<Qt::CheckState, 3> kShown = {Qt::PartiallyChecked, Qt::Unchecked,
                                                    Qt::Checked};
  setDecimalBox_->setCheckState(kShown[static_cast<std::size_t>(state)]);
  // Grey: the system's own character is chosen and there is nothing to keep.
  setDecimalBox_->setEnabled(state != SetDecimalState::kGrey);
}

void ConventionsPage::ShowSeparators() {
  const Lodema::Settings& s = model_.settings();
  const std::array<const std::string*, 2> values = {&s.PlaneDelim, &s.LineDelim};
  for (int i = 0; i < 2; ++i) {
    const QSignalBlocker blocker(separatorLists_[i]);
    separatorLists_[i]->setEditText(mirror::Q(*values[i]));
  }
}

void ConventionsPage::Refresh() {
  const Lodema::MainWindowControls& c = model_.Controls();
  for (const std::function<void()>& mirrorOptions : optionMirrors_) mirrorOptions();
  mirror::Check(outputSameAsInputBox_, c.outputSameAsInputBox);
  for (int k = 0; k < 3; ++k) mirror::Panel(outputNotationPanels_[k], c.outputNotationPanels[k]);
  mirror::Check(polaritySignBox_, c.polaritySignBox);
  mirror::Caption(calculationCaptions42_, c.calculationCaptions[Lodema::kCalculationButtonCount]);
  mirror::Caption(localeWarning_, c.localeWarning);
}

void ConventionsPage::Arrange(int level) {
  if (level == level_) return;
  level_ = level;
  const bool narrow = level >= 2;
  for (QWidget* part : {input_, output_, reformat_, core_, bottom_})
    pageLayout_->removeWidget(part);
  for (QWidget* group : coreGroups_) coreGrid_->removeWidget(group);
  const int coreColumns = level <= 1 ? 3 : 4 - level;
  for (int i = 0; i < static_cast<int>(coreGroups_.size()); ++i) {
    coreGrid_->addWidget(coreGroups_[i], i / coreColumns, i % coreColumns);
  }
  // Wide: input and output notations side by side, the rest across both.
  // Narrow: everything in one column.
  const int columns = narrow ? 1 : 2;
  int row = 0;
  pageLayout_->addWidget(input_, row, 0);
  if (narrow) ++row;
  pageLayout_->addWidget(output_, row, narrow ? 0 : 1);
  pageLayout_->addWidget(reformat_, ++row, 0, 1, columns);
  pageLayout_->addWidget(core_, ++row, 0, 1, columns);
  // Decimal character, plot separators and the settings buttons in a row,
  // or one under the other.
  for (QWidget* part : {decimal_, separators_, commands_}) bottomGrid_->removeWidget(part);
  const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;
  if (level == 0) {
    bottomGrid_->addWidget(decimal_, 0, 0);
    bottomGrid_->addWidget(separators_, 0, 1);
    bottomGrid_->addWidget(commands_, 0, 2, topLeft);
  } else if (level == 1) {
    bottomGrid_->addWidget(decimal_, 0, 0, 2, 1, Qt::AlignTop);
    bottomGrid_->addWidget(separators_, 0, 1);
    bottomGrid_->addWidget(commands_, 1, 1, topLeft);
  } else {
    bottomGrid_->addWidget(decimal_, 0, 0);
    bottomGrid_->addWidget(separators_, 1, 0);
    bottomGrid_->addWidget(commands_, 2, 0, topLeft);
  }
  bottomGrid_->setColumnStretch(3, 1);
  pageLayout_->addWidget(bottom_, ++row, 0, 1, columns);
  for (int r = 0; r < pageLayout_->rowCount(); ++r) pageLayout_->setRowStretch(r, 0);
  pageLayout_->setRowStretch(row + 1, 1);
  pageLayout_->setColumnStretch(0, 1);
  pageLayout_->setColumnStretch(1, narrow ? 0 : 1);
  pageLayout_->activate();
  leastWidths_[static_cast<std::size_t>(level)] = page_->minimumSizeHint().width();
}

void ConventionsPage::FitWidth(int width) {
  // The widest arrangement that fits, trying each at most once to learn
  // its least width.
  for (int level = 0; level < kArrangements; ++level) {
    const int& least = leastWidths_[static_cast<std::size_t>(level)];
    if (least == 0) Arrange(level);  // measures it
    if (width >= least) return Arrange(level);
  }
  Arrange(kArrangements - 1);
}

bool ConventionsPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == shownIn_ && event->type() == QEvent::Show) {
    // Shown with its final style and fonts: measure the arrangements again.
    leastWidths_.fill(0);
    level_ = -1;
    FitWidth(shownIn_->width());
  }
  if (watched == shownIn_ && event->type() == QEvent::Resize) FitWidth(shownIn_->width());
  return QObject::eventFilter(watched, event);
}

void ConventionsPage::FollowWidthOf(QWidget* view) {
  shownIn_ = view;
  view->installEventFilter(this);
  FitWidth(view->width());
}
