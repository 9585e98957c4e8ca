// SPDX-License-Identifier: MIT
// A new widget, action or layout under the name tests, style sheets and
// saved window states know it by.
#pragma once

#include <QObject>
#include <QString>

template <typename T>
T* Named(T* object, const QString& name) {
  object->setObjectName(name);
  return object;
}
