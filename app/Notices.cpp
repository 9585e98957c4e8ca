// SPDX-License-Identifier: MIT
#include "app/Notices.h"

namespace notices {

namespace {
constexpr const char* kCrLf = "\r\n";
}  // namespace

std::string WelcomeText() {
  std::string text(24, ' ');
  text += "Welcome to Lodema Version 4.9";
  text += kCrLf;
  text += kCrLf;
  text +=
      "Note that this version can be installed separately and run simultaneously with earlier "
      "4.x versions.";
  text += kCrLf;
  text +=
      "The only changes in version 4.9 concern its behaviour in different International locales "
      "with fractional (floating point data).";
  text += kCrLf;
  text += kCrLf;
  text +=
      "In version 4.9, floating point data can be input using EITHER a [.] or a [,] decimal "
      "separator. ";
  text +=
      "Output Results will now use Windows default decimal character set-up for this computer, "
      "but a new option in the Convention page ";
  text +=
      "allows you to force the Results output to contain the other decimal character if "
      "required. ";
  text += kCrLf;
  text +=
      "Note that data pasted or inputted from file should not mix comma-delimited data "
      "containing comma decimal values. ";
  text += kCrLf;
  text += kCrLf;
  text += "If you experience problems please continue to use version 4.8 ";
  text += "and tell the Lodema developers what went wrong, so that it can be put right.";
  return text;
}

std::string DecimalWarningText(OrientGeometry::DecimalMark localeMark) {
  std::string text;
  if (localeMark == OrientGeometry::DecimalMark::kComma) {
    text =
        "Note: Your computer currently is set to use the \",\" [comma] symbols as the decimal "
        "separator";
    text += kCrLf;
    text += "yet Lodema is currently set to use the \".\" [period] as the decimal separator!";
  } else {
    text =
        "Note: Your computer currently is set to use the \".\" [period] as the decimal separator";
    text += kCrLf;
    text += "yet Lodema is currently set to use the \",\" [comma] as the decimal separator!";
  }
  text += kCrLf;
  text += "Change the Lodema settings on the Conventions page if required.";
  text += kCrLf;
  text += kCrLf;
  text += "[Do you want this warning displayed next time Lodema starts?]";
  return text;
}

}  // namespace notices
