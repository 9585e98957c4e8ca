// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "calc/CoreConventions.h"

namespace Lodema {
namespace {

using OrientGeometry::ReferenceDirection;
using OrientGeometry::SteepDipRange;

// The stored codes are those of saved settings and of lodema-batch --set:
// each reads as its choice, and a code from a damaged store as the default.
TEST(StoredCoreChoices, EachCodeReadsAsItsChoice) {
  const struct {
    int code;
    ReferenceDirection direction;
  } directions[] = {
      {0, ReferenceDirection::kDipDirection},    {1, ReferenceDirection::kStrike},
      {2, ReferenceDirection::kFoldAxis},        {3, ReferenceDirection::kApproximate},
      {-1, ReferenceDirection::kDipDirection},   {4, ReferenceDirection::kDipDirection},
      {32767, ReferenceDirection::kDipDirection}};
  for (const auto& row : directions) {
    EXPECT_EQ(ReferenceDirectionOf(row.code), row.direction) << row.code;
    if (row.code >= 0 && row.code <= 3) {
      EXPECT_EQ(StoredReferenceDirection(row.direction), row.code);
    }
  }

  const struct {
    int code;
    SteepDipRange range;
  } ranges[] = {{0, SteepDipRange::kBelow30}, {1, SteepDipRange::k30To60},
                {2, SteepDipRange::kAbove60}, {-1, SteepDipRange::kAbove60},
                {3, SteepDipRange::kAbove60}, {-32768, SteepDipRange::kAbove60}};
  for (const auto& row : ranges) EXPECT_EQ(SteepDipRangeOf(row.code), row.range) << row.code;
}

}  // namespace
}  // namespace Lodema
