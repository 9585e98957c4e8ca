// SPDX-License-Identifier: MIT
#include "app/SurveyFrame.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/Mirror.h"
#include "app/Named.h"
#include "model/FilePage.h"
#include "model/FilePageTexts.h"

SurveyFrame::SurveyFrame(Lodema::FilePageModel& page,
                         std::function<void(std::function<void()>)> forward)
    : QGroupBox(QStringLiteral("Drill-hole survey")), page_(page), forward_(std::move(forward)) {
  setObjectName(QStringLiteral("fraSurvey"));
  auto* grid = new QGridLayout(this);
  grid->setVerticalSpacing(2);
  surveyButton_ = new QPushButton(QString::fromUtf8(Lodema::kSurveyFileCaption));
  surveyButton_->setObjectName(QStringLiteral("cmdSurveyFile"));
  collarButton_ = new QPushButton(QString::fromUtf8(Lodema::kCollarFileCaption));
  collarButton_->setObjectName(QStringLiteral("cmdCollarFile"));
  surveyName_ = Named(new QLineEdit, QStringLiteral("txtSurveyFile"));
  collarName_ = Named(new QLineEdit, QStringLiteral("txtCollarFile"));
  holeColumn_ = Named(new QComboBox, QStringLiteral("cboHoleColumn"));
  depthColumn_ = Named(new QComboBox, QStringLiteral("cboDepthColumn"));
  status_ = Named(new QLabel, QStringLiteral("lblSurveyStatus"));
  status_->setWordWrap(true);

  grid->addWidget(surveyButton_, 0, 0);
  grid->addWidget(surveyName_, 0, 1, 1, 3);
  grid->addWidget(collarButton_, 1, 0);
  grid->addWidget(collarName_, 1, 1, 1, 3);
  grid->addWidget(new QLabel(QString::fromLatin1(Lodema::kHoleColumnCaption)), 2, 0);
  grid->addWidget(holeColumn_, 2, 1);
  grid->addWidget(new QLabel(QString::fromLatin1(Lodema::kDepthColumnCaption)), 2, 2);
  grid->addWidget(depthColumn_, 2, 3);
  grid->addWidget(status_, 3, 0, 1, 4);

  connect(surveyButton_, &QPushButton::clicked, this,
          [this] { forward_([this] { page_.ChooseSurveyFile(); }); });
  connect(collarButton_, &QPushButton::clicked, this,
          [this] { forward_([this] { page_.ChooseCollarFile(); }); });
  connect(surveyName_, &QLineEdit::editingFinished, this, [this] {
    const std::string name = mirror::S(surveyName_->text());
    forward_([this, name] { page_.SetSurveyFileText(name); });
  });
  connect(collarName_, &QLineEdit::editingFinished, this, [this] {
    const std::string name = mirror::S(collarName_->text());
    forward_([this, name] { page_.SetCollarFileText(name); });
  });
  connect(holeColumn_, &QComboBox::activated, this,
          [this](int index) { forward_([this, index] { page_.SetSurveyHoleColumn(index); }); });
  connect(depthColumn_, &QComboBox::activated, this,
          [this](int index) { forward_([this, index] { page_.SetSurveyDepthColumn(index); }); });
}

void SurveyFrame::Refresh() {
  const Lodema::SurveyControls& c = page_.Controls().survey;
  mirror::Visible(this, c.visible);
  mirror::Text(surveyName_, c.surveyFile);
  mirror::Text(collarName_, c.collarFile);
  mirror::List(holeColumn_, c.holeColumn);
  mirror::List(depthColumn_, c.depthColumn);
  if (status_->text() != mirror::Q(c.status)) status_->setText(mirror::Q(c.status));
}
