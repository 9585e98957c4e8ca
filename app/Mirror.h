// SPDX-License-Identifier: MIT
// Small helpers that copy the model's plain control state into Qt widgets.
// Every setter leaves the widget's signals blocked while it changes it, so
// mirroring never reads as a user action.
#pragma once

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "model/Controls.h"
#include "model/FilePageControls.h"

namespace mirror {

inline QString Q(const std::string& text) { return QString::fromStdString(text); }
inline std::string S(const QString& text) { return text.toStdString(); }

// Button and group captions treat "&" as a mnemonic marker; Lodema's
// captions mean a literal ampersand.
inline QString Literal(const std::string& text) {
  return Q(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

inline void Visible(QWidget* widget, bool visible) {
  if (widget->isVisibleTo(widget->parentWidget()) != visible) widget->setVisible(visible);
}

// Keeps the room of a widget when it is hidden, so the entry and result
// windows do not jump about as calculations show different boxes.
inline void KeepRoom(QWidget* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
}

inline void Text(QLineEdit* edit, const Lodema::TextBox& box) {
  if (edit->text() != Q(box.text)) {
    const QSignalBlocker blocker(edit);
    edit->setText(Q(box.text));
  }
  edit->setEnabled(box.enabled);
  Visible(edit, box.visible);
}

inline void Caption(QLabel* label, const Lodema::Label& model) {
  if (label->text() != Q(model.caption)) label->setText(Q(model.caption));
  Visible(label, model.visible);
}

inline void Panel(QWidget* panel, const Lodema::Frame& frame) {
  panel->setEnabled(frame.enabled);
  Visible(panel, frame.visible);
}

inline void Frame(QGroupBox* box, const Lodema::Frame& frame) {
  if (box->title() != Literal(frame.caption)) box->setTitle(Literal(frame.caption));
  Panel(box, frame);
}

inline void Check(QAbstractButton* button, const Lodema::CheckBox& box, bool caption = true) {
  const QSignalBlocker blocker(button);
  if (caption && button->text() != Literal(box.caption)) button->setText(Literal(box.caption));
  if (button->isChecked() != box.checked) button->setChecked(box.checked);
  button->setEnabled(box.enabled);
  Visible(button, box.visible);
}

// An option group: the model may select none of its buttons (an index
// outside the group), which an exclusive Qt group cannot show directly.
template <typename Buttons, typename States>
void Options(QButtonGroup* group, const Buttons& buttons, const States& options,
             bool caption = true) {
  group->setExclusive(false);
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (buttons[i] != nullptr) Check(buttons[i], options[i], caption);
  }
  group->setExclusive(true);
}

// Exclusive options name0, name1, ... (null below first) over the model's
// states, which outlive them.
template <std::size_t N>
struct OptionSet {
  QButtonGroup* group = nullptr;
  std::array<QRadioButton*, N> buttons{};
  const std::array<Lodema::OptionButton, N>* states = nullptr;
  void Mirror() const { Options(group, buttons, *states); }
};

// A click forwards a change of choice to choose; clicking the chosen option
// again changes nothing.
template <std::size_t N>
OptionSet<N> MakeOptions(QObject* owner, const QString& name, int first,
                         const std::array<Lodema::OptionButton, N>& states,
                         std::function<void(int)> choose) {
  OptionSet<N> set{new QButtonGroup(owner), {}, &states};
  for (int i = first; i < static_cast<int>(N); ++i) {
    auto* button = new QRadioButton;
    button->setObjectName(name + QString::number(i));
    set.group->addButton(button, i);
    QObject::connect(button, &QRadioButton::clicked, owner, [&states, choose, i](bool checked) {
      if (checked && !states[i].checked) choose(i);
    });
    set.buttons[i] = button;
  }
  return set;
}

// A drop-down list of the file page; an editable one shows the typed text.
inline void List(QComboBox* combo, const Lodema::DropDownList& list) {
  const QSignalBlocker blocker(combo);
  QStringList entries;
  for (const std::string& entry : list.entries) entries << Q(entry);
  QStringList shown;
  for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
  if (shown != entries) {
    combo->clear();
    combo->addItems(entries);
  }
  if (combo->isEditable()) {
    if (combo->currentText() != Q(list.text)) {
      if (list.listIndex >= 0 && list.listIndex < combo->count()) {
        combo->setCurrentIndex(list.listIndex);
      }
      combo->setEditText(Q(list.text));
    }
  } else if (combo->currentIndex() != list.listIndex) {
    combo->setCurrentIndex(list.listIndex);
  }
  combo->setEnabled(list.enabled);
  Visible(combo, list.visible);
}

// A check box that may show a grey third state.
inline void TriState(QCheckBox* box, const Lodema::TriStateBox& state) {
  const QSignalBlocker blocker(box);
  if (state.grey) {
    box->setCheckState(Qt::PartiallyChecked);
  } else {
    // A user's click only sets or clears.
    box->setTristate(false);
    box->setCheckState(state.checked ? Qt::Checked : Qt::Unchecked);
  }
  box->setEnabled(state.enabled);
  Visible(box, state.visible);
}

}  // namespace mirror
