// SPDX-License-Identifier: MIT
#include "app/DataFileArgument.h"

#include <QUrl>

std::optional<QString> DataFileArgument(const QStringList& arguments) {
  bool optionsEnded = false;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (!optionsEnded && argument == QStringLiteral("--")) {
      optionsEnded = true;
      continue;
    }
    if (argument.isEmpty() || (!optionsEnded && argument.startsWith(QLatin1Char('-')))) continue;
    if (argument.startsWith(QStringLiteral("file:"))) {
      const QString local = QUrl(argument).toLocalFile();
      if (!local.isEmpty()) return local;
    }
    return argument;
  }
  return std::nullopt;
}
