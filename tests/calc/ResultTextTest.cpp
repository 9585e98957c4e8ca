// SPDX-License-Identifier: MIT
// Result angles in whole degrees, or with one or two decimals, are mostly
// written straight from the number; the general form, written first and
// then cut, is the reference.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "calc/ResultText.h"

namespace Lodema {
namespace {

constexpr double kDegree = 3.14159265358979 / 180.0;

void ExpectAsGeneralForm(double radians) {
  for (const bool pad : {false, true}) {
    std::string whole = "kept from before";
    FormatAngleWhole(radians, pad, whole);
    ASSERT_EQ(whole, FormatAngleResultByGeneralForm(radians, 0, '.', pad)) << radians;
  }
  for (const int decimals : {0, 1, 2}) {
    for (const bool pad : {false, true}) {
      for (const char decimalChar : {'.', ','}) {
        ASSERT_EQ(FormatAngleResult(radians, decimals, decimalChar, pad),
                  FormatAngleResultByGeneralForm(radians, decimals, decimalChar, pad))
            << radians << " decimals " << decimals << " pad " << pad;
      }
    }
  }
}

TEST(FormatAngleResult, CutAsTheGeneralFormIsCut) {
  // Values on and next to the steps of the last shown digit, where the
  // general form's rounding may carry: 12.35 is stored as 12.3499999....
  for (int hundredths = -36100; hundredths <= 36100; hundredths += 7) {
    const double degrees = hundredths / 100.0;
    for (const double nudge : {0.0, 1e-13, -1e-13, 1e-9, -1e-9, 4e-7, -4e-7, 3e-3}) {
      ExpectAsGeneralForm((degrees + nudge) * kDegree);
      ExpectAsGeneralForm(std::nextafter(degrees * kDegree, 1.0));
      ExpectAsGeneralForm(std::nextafter(degrees * kDegree, -1.0));
    }
  }
  std::mt19937_64 random(20261207);
  std::uniform_real_distribution<double> angle(-7.0, 7.0);
  for (int i = 0; i < 200000; ++i) ExpectAsGeneralForm(angle(random));
  for (const double odd :
       {0.0, -0.0, 1e-25, -1e-12, 1e5, 17453.2925, 1e300, HUGE_VAL, std::nan("")}) {
    ExpectAsGeneralForm(odd);
  }
}

}  // namespace
}  // namespace Lodema
