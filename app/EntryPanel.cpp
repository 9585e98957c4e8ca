#include "app/EntryPanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/Mirror.h"
#include "app/ResultPanel.h"
#include "calc/FormModel.h"

namespace {

constexpr int kBoxWidth = 58;

QLabel* BoxCaption(int index) {
  auto* label = new QLabel;
  label->setObjectName(QStringLiteral("lblDip%1").arg(index));
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  mirror::KeepRoom(label);
  return label;
}

QLabel* MakeWindowLetter(const QString& letter, const QString& name) {
  auto* label = new QLabel(letter);
  label->setObjectName(name);
  QFont font = label->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.3);
  label->setFont(font);
  label->setFixedWidth(18);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  mirror::KeepRoom(label);
  return label;
}

}  // namespace

EntryPanel::EntryPanel(Lodema::FormModel& model, QObject* parent) : QObject(parent), model_(model) {
  for (int i = 0; i < 12; ++i) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QStringLiteral("txtValues%1").arg(i));
    edit->setFixedWidth(kBoxWidth);
    edit->setAlignment(Qt::AlignRight);
    mirror::KeepRoom(edit);
    connect(edit, &QLineEdit::textEdited, this,
            [this, i](const QString& text) { model_.SetEntryText(i, mirror::S(text)); });
    txtValues_[i] = edit;
    lblDip_[i] = BoxCaption(i);
  }

  windows_ = new QWidget;
  windows_->setObjectName(QStringLiteral("entryWindows"));
  auto* layout = new QGridLayout(windows_);
  layout->setContentsMargins(0, 0, 0, 0);

  // Windows A and B share the frame fraOrients.
  fraOrients_ = new QGroupBox;
  fraOrients_->setObjectName(QStringLiteral("fraOrients"));
  {
    auto* row = new QHBoxLayout(fraOrients_);
    lblA_ = MakeWindowLetter(QStringLiteral("A"), QStringLiteral("lblA"));
    row->addWidget(lblA_);
    row->addWidget(MakeWindow(0, 0, 3));
    row->addSpacing(16);
    lblB_ = MakeWindowLetter(QStringLiteral("B"), QStringLiteral("lblB"));
    row->addWidget(lblB_);
    row->addWidget(MakeWindow(1, 3, 3));
    row->addStretch(1);
  }
  layout->addWidget(fraOrients_, 0, 0, 1, 2);

  fraAxis_ = new QGroupBox;
  fraAxis_->setObjectName(QStringLiteral("fraAxis"));
  {
    auto* row = new QHBoxLayout(fraAxis_);
    row->addWidget(MakeWindow(2, 6, 2));
    row->addStretch(1);
  }
  layout->addWidget(fraAxis_, 1, 0, Qt::AlignTop);

  fraRefLine_ = new QGroupBox;
  fraRefLine_->setObjectName(QStringLiteral("fraRefLine"));
  {
    auto* grid = new QGridLayout(fraRefLine_);
    grid->addWidget(MakeWindow(3, 8, 3), 0, 0, Qt::AlignTop);
    fraDip_ = new QGroupBox;
    fraDip_->setObjectName(QStringLiteral("fraDip"));
    optDipGroup_ = new QButtonGroup(this);
    auto* dips = new QVBoxLayout(fraDip_);
    dips->setSpacing(0);
    dips->setContentsMargins(4, 2, 4, 2);
    for (int i = 0; i < 3; ++i) {
      optDip_[i] = new QRadioButton;
      optDip_[i]->setObjectName(QStringLiteral("optDip%1").arg(i));
      optDipGroup_->addButton(optDip_[i], i);
      connect(optDip_[i], &QRadioButton::clicked, this, [this, i](bool checked) {
        if (checked && !model_.Controls().optDip[i].checked) model_.optDip(i);
      });
      dips->addWidget(optDip_[i]);
    }
    mirror::KeepRoom(fraDip_);
    grid->addWidget(fraDip_, 0, 1, 2, 1, Qt::AlignTop);

    fraRef_ = new QGroupBox;
    fraRef_->setObjectName(QStringLiteral("fraRef"));
    optRefGroup_ = new QButtonGroup(this);
    auto* refs = new QVBoxLayout(fraRef_);
    refs->setSpacing(0);
    refs->setContentsMargins(4, 2, 4, 2);
    for (int i = 0; i < 4; ++i) {
      optRef_[i] = new QRadioButton;
      optRef_[i]->setObjectName(QStringLiteral("optRef%1").arg(i));
      optRefGroup_->addButton(optRef_[i], i);
      connect(optRef_[i], &QRadioButton::clicked, this, [this, i](bool checked) {
        if (checked && !model_.Controls().optRef[i].checked) model_.optRef(i);
      });
      refs->addWidget(optRef_[i]);
    }
    grid->addWidget(fraRef_, 1, 0);
    grid->setColumnStretch(2, 1);
  }
  layout->addWidget(fraRefLine_, 1, 1, Qt::AlignTop);
  layout->setColumnStretch(1, 1);

  // The apparent dip (or pitch) frame: its switch, the section trend and
  // the two result boxes.
  fraExtraData_ = new QGroupBox;
  fraExtraData_->setObjectName(QStringLiteral("fraExtraData"));
  {
    auto* row = new QHBoxLayout(fraExtraData_);
    chkShowApparent_ = new QCheckBox;
    chkShowApparent_->setObjectName(QStringLiteral("chkShowApparent"));
    connect(chkShowApparent_, &QCheckBox::clicked, this,
            [this](bool checked) { model_.chkShowApparent(checked); });
    row->addWidget(chkShowApparent_);

    panorient_[4] = new QWidget;
    panorient_[4]->setObjectName(QStringLiteral("panorient4"));
    auto* section = new QGridLayout(panorient_[4]);
    section->setContentsMargins(0, 0, 0, 0);
    section->setVerticalSpacing(1);
    Label3_ = new QLabel;
    Label3_->setObjectName(QStringLiteral("Label3"));
    section->addWidget(Label3_, 0, 0);
    section->addWidget(txtValues_[11], 0, 1);
    section->addWidget(lblDip_[11], 1, 1);
    mirror::KeepRoom(panorient_[4]);
    row->addWidget(panorient_[4]);

    panResults3_ = new QWidget;
    panResults3_->setObjectName(QStringLiteral("panResults3"));
    auto* results = new QGridLayout(panResults3_);
    results->setContentsMargins(0, 0, 0, 0);
    results->setVerticalSpacing(1);
    for (int i = 12; i < 14; ++i) {
      lblResult_[i] = ResultPanel::MakeValueLabel(i);
      lblDipRes_[i] = ResultPanel::MakeCaptionLabel(i);
      results->addWidget(lblResult_[i], 0, i - 12);
      results->addWidget(lblDipRes_[i], 1, i - 12);
    }
    row->addWidget(panResults3_);
    row->addStretch(1);
  }
  Refresh();
}

QWidget* EntryPanel::MakeWindow(int window, int firstBox, int boxCount) {
  auto* panel = new QWidget;
  panel->setObjectName(QStringLiteral("panorient%1").arg(window));
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(1);
  for (int k = 0; k < boxCount; ++k) {
    grid->addWidget(txtValues_[firstBox + k], 0, k);
    grid->addWidget(lblDip_[firstBox + k], 1, k);
  }
  mirror::KeepRoom(panel);
  panorient_[window] = panel;
  return panel;
}

void EntryPanel::Refresh() {
  const Lodema::MainWindowControls& c = model_.Controls();
  for (int i = 0; i < 12; ++i) {
    mirror::Text(txtValues_[i], c.txtValues[i]);
    mirror::Caption(lblDip_[i], c.lblDip[i]);
  }
  for (int w = 0; w < 5; ++w) mirror::Panel(panorient_[w], c.panorient[w]);
  mirror::Frame(fraOrients_, c.fraOrients);
  // A window's letter goes with the window.
  mirror::Caption(lblA_, {c.lblA.caption, c.lblA.visible && c.panorient[0].visible});
  mirror::Visible(lblB_, c.panorient[1].visible);
  mirror::Frame(fraAxis_, c.fraAxis);
  mirror::Frame(fraRefLine_, c.fraRefLine);
  mirror::Frame(fraRef_, c.fraRef);
  mirror::Frame(fraDip_, c.fraDip);
  mirror::Options(optRefGroup_, optRef_, c.optRef);
  mirror::Options(optDipGroup_, optDip_, c.optDip);

  mirror::Frame(fraExtraData_, c.fraExtraData);
  mirror::Check(chkShowApparent_, c.chkShowApparent);
  mirror::Caption(Label3_, c.Label3);
  for (int i = 12; i < 14; ++i) {
    ResultPanel::MirrorValue(lblResult_[i], c.lblResult[i]);
    mirror::Caption(lblDipRes_[i], c.lblDipRes[i]);
  }
}
