// SPDX-License-Identifier: MIT
#include "app/NomenclatureDialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/Mirror.h"
#include "app/Named.h"
#include "calc/SettingsText.h"

namespace {

const QStringList kDrillWords = {QStringLiteral("alpha"), QStringLiteral("beta"),
                                 QStringLiteral("gamma"), QStringLiteral("delta")};
const QStringList kHadeWords = {QStringLiteral("hade"), QStringLiteral("hade-in-plane")};

const QString kDownPlungeNote = QStringLiteral(
    "NB: the direction (azimuth;trend) is the downplunge direction even when core is directed "
    "upwards");
const QString kUpPlungeNote = QStringLiteral(
    "NB: the direction (azimuth;trend) is the up-plunge direction when core is directed upwards");

void Select(std::array<QRadioButton*, 2>& pair, int index) { pair[index]->setChecked(true); }

// The drill-core conventions in the order of the dialog's option pairs: the
// setting each stands for (set: the second option, unless firstMeansSet) and
// the option "Defaults" picks (-1: left as it stands).
struct CoreChoice {
  const char* title;
  const char* name;
  const char* first;
  const char* second;
  bool Lodema::Settings::*setting;
  bool firstMeansSet;
  int defaultOption;
};
constexpr std::array<CoreChoice, 7> kCoreChoices = {{
    {"core orientation given:", "optZenith", "by plunge", "by zenith (angle from vertical)",
     &Lodema::Settings::ZenithConv, false, -1},
    {"For 'upward' core trends use:", "optUpTrend", "'downplunge' direction",
     "'upplunge' direction", &Lodema::Settings::CoreUpTrend, false, 0},
    {"Core-plunge ('dip') sign meaning", "optCore", "downward core plunge +ve",
     "downward core plunge -ve", &Lodema::Settings::CoreConv, true, 0},
    {"Position of orientation mark on core", "optBottomMark", "top of core", "bottom of core",
     &Lodema::Settings::BottomMark, false, 1},
    {"delta angle measured from", "optDelta", "ellipse long axis", "ellipse normal",
     &Lodema::Settings::deltaNormal, false, 0},
    {"alpha && beta angles measured from", "optAlpha", "top of ellipse", "bottom of ellipse",
     &Lodema::Settings::EllipseBase, false, 0},
    {"beta angle range", "optBeta", "0 to 360 clockwise", "+90 to -90 (clockwise +ve)",
     &Lodema::Settings::BetaConv, true, 0},
}};

}  // namespace

NomenclatureDialog::NomenclatureDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmNomenclature"));
  setWindowTitle(QStringLiteral("User defined name conventions"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);

  // The drill-core angle words.
  auto* names = new QGroupBox(QStringLiteral("Drill-core angle names"));
  {
    auto* grid = new QGridLayout(names);
    const std::array<QString, 3> captions = {
        QStringLiteral("Angle between core axis and:"),
        QStringLiteral("Angle from reference line ('bottom mark') clockwise to:"),
        QStringLiteral("Angle from ellipse long axis to line lying in the ellipse (plane). Angle "
                       "convention:")};
    for (int i = 0; i < 3; ++i) {
      auto* label = new QLabel(captions[i]);
      label->setWordWrap(true);
      drillNameLists_[i] = Named(new QComboBox, QStringLiteral("cboDrillNames%1").arg(i));
      drillNameLists_[i]->setEditable(true);
      drillNameLists_[i]->addItems(kDrillWords);
      grid->addWidget(label, i, 0);
      grid->addWidget(drillNameLists_[i], i, 1);
    }
    grid->setColumnStretch(0, 1);
  }
  layout->addWidget(names);

  // Lines within planes.
  auto* inPlane = new QGroupBox(QStringLiteral("Line-in-plane names:"));
  {
    auto* grid = new QGridLayout(inPlane);
    auto* pitchBox = OptionPair("Angle, within a plane, between strike and line", "optPitchname",
                                "pitch", "rake", pitchNameOptions_);
    pitchNameOptions_[0]->setToolTip(QStringLiteral("Select \"pitch\" on captions"));
    pitchNameOptions_[1]->setToolTip(QStringLiteral("Select \"rake\" on captions"));
    grid->addWidget(pitchBox, 0, 0);
    auto* hadeBox =
        new QGroupBox(QStringLiteral("Angle, clockwise from dip line, to line within a plane"));
    auto* hadeLayout = new QHBoxLayout(hadeBox);
    hadeNameList_ = Named(new QComboBox, QStringLiteral("cboHadeName"));
    hadeNameList_->setEditable(true);
    hadeNameList_->addItems(kHadeWords);
    hadeLayout->addWidget(hadeNameList_);
    grid->addWidget(hadeBox, 0, 1);
  }
  layout->addWidget(inPlane);

  // The drill-core conventions, as on the conventions page.
  auto* core = new QGroupBox(QStringLiteral("Drill-core conventions"));
  {
    auto* grid = new QGridLayout(core);
    for (std::size_t i = 0; i < kCoreChoices.size(); ++i) {
      const CoreChoice& c = kCoreChoices[i];
      grid->addWidget(OptionPair(c.title, c.name, c.first, c.second, coreOptions_[i]),
                      static_cast<int>(i / 2), static_cast<int>(i % 2));
    }
    upTrendNote_ = Named(new QLabel, QStringLiteral("lblCoreAngles3"));
    upTrendNote_->setWordWrap(true);
    grid->addWidget(upTrendNote_, 4, 0, 1, 2);
    for (int i = 0; i < 2; ++i) {
      connect(UpTrend(i), &QRadioButton::toggled, this, [this, i](bool on) {
        if (on) ShowUpTrendNote(i);
      });
    }
  }
  layout->addWidget(core);

  auto* buttons = new QHBoxLayout;
  okButton_ = Named(new QPushButton(QStringLiteral("OK")), QStringLiteral("OKButton0"));
  okButton_->setToolTip(QStringLiteral("Save changes and exit"));
  okButton_->setDefault(true);
  defaultsButton_ = Named(new QPushButton(QStringLiteral("Defaults")), QStringLiteral("OKButton1"));
  defaultsButton_->setToolTip(QStringLiteral("Set Lodema default values"));
  cancelButton_ = Named(new QPushButton(QStringLiteral("Cancel")), QStringLiteral("CancelButton"));
  cancelButton_->setToolTip(QStringLiteral("Exit without changes"));
  buttons->addStretch(1);
  buttons->addWidget(okButton_);
  buttons->addWidget(defaultsButton_);
  buttons->addWidget(cancelButton_);
  layout->addLayout(buttons);

  connect(okButton_, &QPushButton::clicked, this, [this] {
    emit storeRequested();
    accept();
  });
  connect(defaultsButton_, &QPushButton::clicked, this, &NomenclatureDialog::SetDefaults);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* NomenclatureDialog::OptionPair(const char* title, const char* name, const char* first,
                                        const char* second, Pair& buttons) {
  auto* box = new QGroupBox(QString::fromLatin1(title));
  auto* column = new QVBoxLayout(box);
  auto* group = new QButtonGroup(box);
  const std::array<const char*, 2> captions = {first, second};
  for (int i = 0; i < 2; ++i) {
    buttons[i] = new QRadioButton(QString::fromLatin1(captions[i]));
    buttons[i]->setObjectName(QString::fromLatin1(name) + QString::number(i));
    group->addButton(buttons[i], i);
    column->addWidget(buttons[i]);
  }
  return box;
}

void NomenclatureDialog::ShowUpTrendNote(int index) {
  upTrendNote_->setText(index == 1 ? kUpPlungeNote : kDownPlungeNote);
}

void NomenclatureDialog::LoadFrom(const Lodema::Settings& s) {
  drillNameLists_[0]->setEditText(mirror::Q(s.alphaWord));
  drillNameLists_[1]->setEditText(mirror::Q(s.betaWord));
  drillNameLists_[2]->setEditText(mirror::Q(s.gammaWord));
  for (std::size_t i = 0; i < kCoreChoices.size(); ++i) {
    const CoreChoice& c = kCoreChoices[i];
    Select(coreOptions_[i], s.*c.setting != c.firstMeansSet ? 1 : 0);
  }
  ShowUpTrendNote(s.CoreUpTrend ? 1 : 0);
  Select(pitchNameOptions_, s.gPitchName == "pitch" ? 0 : 1);
  hadeNameList_->setEditText(mirror::Q(s.gHadeName));
}

void NomenclatureDialog::StoreTo(Lodema::Settings& s) const {
  // A tab or line break pasted into a name would split the caption line of
  // output files.
  s.alphaWord = Lodema::WithoutControlCharacters(mirror::S(drillNameLists_[0]->currentText()));
  s.betaWord = Lodema::WithoutControlCharacters(mirror::S(drillNameLists_[1]->currentText()));
  s.gammaWord = Lodema::WithoutControlCharacters(mirror::S(drillNameLists_[2]->currentText()));
  for (std::size_t i = 0; i < kCoreChoices.size(); ++i) {
    const CoreChoice& c = kCoreChoices[i];
    s.*c.setting = coreOptions_[i][c.firstMeansSet ? 0 : 1]->isChecked();
  }
  s.PlungeName = s.ZenithConv ? "zenith" : "plunge";
  s.gPitchName = pitchNameOptions_[0]->isChecked() ? "pitch" : "rake";
  s.gHadeName = Lodema::WithoutControlCharacters(mirror::S(hadeNameList_->currentText()));
}

void NomenclatureDialog::SetDefaults() {
  // The zenith choice is left as it stands. The trend of upward cores goes
  // back to Lodema's default, the 'downplunge' direction, so that OK stores
  // what the dialog shows.
  for (int i = 0; i < 3; ++i) drillNameLists_[i]->setEditText(kDrillWords[i]);
  for (std::size_t i = 0; i < kCoreChoices.size(); ++i) {
    if (kCoreChoices[i].defaultOption >= 0) Select(coreOptions_[i], kCoreChoices[i].defaultOption);
  }
  Select(pitchNameOptions_, 0);
  hadeNameList_->setEditText(QStringLiteral("hade"));
}
