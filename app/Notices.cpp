// SPDX-License-Identifier: MIT
#include "app/Notices.h"

namespace notices {

std::string WelcomeText() {
  // Appended rather than joined with +: GCC 12's whole-program pass
  // misreads the joined form as reading past the blanks' buffer.
  std::string text(24, ' ');
  text +=
      "Welcome to Lodema Version 4.9\r\n"
      "\r\n"
      "Note that this version can be installed separately and run simultaneously with earlier "
      "4.x versions.\r\n"
      "The only changes in version 4.9 concern its behaviour in different International locales "
      "with fractional (floating point data).\r\n"
      "\r\n"
      "In version 4.9, floating point data can be input using EITHER a [.] or a [,] decimal "
      "separator. Output Results will now use Windows default decimal character set-up for this "
      "computer, but a new option in the Convention page allows you to force the Results output "
      "to contain the other decimal character if required. \r\n"
      "Note that data pasted or inputted from file should not mix comma-delimited data "
      "containing comma decimal values. \r\n"
      "\r\n"
      "If you experience problems please continue to use version 4.8 and tell the Lodema "
      "developers what went wrong, so that it can be put right.";
  return text;
}

std::string DecimalWarningText(OrientGeometry::DecimalMark localeMark) {
  const std::string mismatch =
      localeMark == OrientGeometry::DecimalMark::kComma
          ? "Note: Your computer currently is set to use the \",\" [comma] symbols as the decimal "
            "separator\r\n"
            "yet Lodema is currently set to use the \".\" [period] as the decimal separator!"
          : "Note: Your computer currently is set to use the \".\" [period] as the decimal "
            "separator\r\n"
            "yet Lodema is currently set to use the \",\" [comma] as the decimal separator!";
  return mismatch +
         "\r\n"
         "Change the Lodema settings on the Conventions page if required.\r\n"
         "\r\n"
         "[Do you want this warning displayed next time Lodema starts?]";
}

}  // namespace notices
