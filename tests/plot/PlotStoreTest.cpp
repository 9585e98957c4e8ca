// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "orient/Primitives.h"
#include "plot/PlotStore.h"

namespace Lodema::Plot {
namespace {

using OrientGeometry::DegreesToRadians;

class ScriptedQuestion : public MismatchQuestion {
 public:
  MismatchAnswer Ask(const std::string& text) override {
    asked.push_back(text);
    if (answers.empty()) return MismatchAnswer::kAbort;
    const MismatchAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  std::vector<std::string> asked;
  std::deque<MismatchAnswer> answers;
};

// A calculation's record: the Result and windows A, B as given (degrees).
PlotRecord Record(int resultType, double r0, double r1, int aType = 1, double a0 = 30,
                  double a1 = 120) {
  PlotRecord record;
  record.cells[kResult] = {double(resultType), DegreesToRadians(r0), DegreesToRadians(r1), 0, 0, 0};
  record.cells[kWindowA] = {double(aType), DegreesToRadians(a0), DegreesToRadians(a1), 0, 0, 0};
  record.cells[kWindowB] = {1, DegreesToRadians(60), DegreesToRadians(200), 0, 0, 0};
  return record;
}

class PlotStoreTest : public ::testing::Test {
 protected:
  PlotStore store;
  ScriptedQuestion question;
};

struct State {
  int sets;  // -1 empty, 0 a current set only, n: n retained sets
  bool pending;
};

void ExpectState(const PlotStore& store, State expected, const char* where) {
  EXPECT_EQ(store.IsEmpty() ? -1 : store.RetainedCount(), expected.sets) << where;
  EXPECT_EQ(store.NewDataPending(), expected.pending) << where;
}

TEST_F(PlotStoreTest, StatesThroughTheTransitions) {
  ExpectState(store, {-1, false}, "empty");
  EXPECT_EQ(store.RetainCurrentData(), StoreChange::kNone);
  ExpectState(store, {-1, false}, "retain on empty");
  PlotRecord onlyB;
  onlyB.cells[kWindowB] = {1, 0.5, 0.5, 0, 0, 0};  // only B: still "empty"
  EXPECT_EQ(store.AddNewDataPoint(onlyB, question), StoreChange::kNone);
  ExpectState(store, {-1, false}, "empty record");

  store.AddNewDataPoint(Record(2, 20, 100), question);
  ExpectState(store, {0, true}, "current only");
  store.AddNewDataPoint(Record(2, 25, 110), question);
  ExpectState(store, {0, true}, "second add replaces the current set");
  EXPECT_FLOAT_EQ(store.CurrentValue(kResult, 0), float(DegreesToRadians(25)));

  store.RetainCurrentData();
  ExpectState(store, {1, false}, "retained only");
  EXPECT_EQ(store.RetainCurrentData(), StoreChange::kNone);
  ExpectState(store, {1, false}, "retain twice adds one set");

  store.AddNewDataPoint(Record(2, 40, 300), question);
  ExpectState(store, {1, true}, "retained + current");
  store.RetainCurrentData();
  ExpectState(store, {2, false}, "two retained");
  EXPECT_FLOAT_EQ(store.RetainedValue(1, kResult, 0), float(DegreesToRadians(25)));
  EXPECT_FLOAT_EQ(store.RetainedValue(2, kResult, 1), float(DegreesToRadians(300)));
  EXPECT_FLOAT_EQ(store.RetainedValue(2, kWindowA, 1), float(DegreesToRadians(120)));

  store.ClearLastData();
  ExpectState(store, {1, false}, "clear last drops the newest retained set");
  EXPECT_FLOAT_EQ(store.RetainedValue(1, kResult, 0), float(DegreesToRadians(25)));
  store.ClearAllData();
  ExpectState(store, {-1, false}, "clear all");
  EXPECT_EQ(store.TypeCode(kResult), kTypeLine);  // type codes stay

  // Without retained sets a new type is taken without asking.
  store.AddNewDataPoint(Record(1, 30, 120, 2), question);
  EXPECT_EQ(store.TypeCode(kResult), kTypePlane);
  EXPECT_EQ(store.TypeCode(kWindowA), kTypeLine);
  store.ClearLastData();
  ExpectState(store, {0, false}, "clear last on a current set blanks it");
  store.ClearLastData();
  ExpectState(store, {-1, false}, "then empties the store");
  EXPECT_TRUE(question.asked.empty());
}

// A horizontal line of trend 000 (all zeros) is real data: it is drawn as
// the current set and "Clear last" removes it, not the retained set.
TEST_F(PlotStoreTest, AllZeroCurrentSetIsRemovedByClearLast) {
  store.AddNewDataPoint(Record(2, 20, 100), question);
  store.RetainCurrentData();
  store.AddNewDataPoint(Record(2, 0, 0, 1, 0, 0), question);
  ExpectState(store, {1, true}, "zero current set pending");
  store.ClearLastData();
  ExpectState(store, {1, false}, "current set removed, retained set kept");
  EXPECT_FLOAT_EQ(store.RetainedValue(1, kResult, 0), float(DegreesToRadians(20)));
}

struct MismatchRow {
  const char* name;
  std::deque<MismatchAnswer> answers;
  std::size_t questions;
  State after;
  int resultType;
  int retained;
};

TEST(PlotStore, TypeMismatchQuestionAndEachAnswer) {
  // clang-format off
  const MismatchRow rows[] = {
      {"abort: unchanged", {MismatchAnswer::kAbort}, 1, {2, false}, kTypePlane, 2},
      {"retry: only the new block", {MismatchAnswer::kRetry}, 1, {0, true}, kTypeLine, 0},
      {"ignore: asked per differing kind, stored under the old types",
       {MismatchAnswer::kIgnore, MismatchAnswer::kIgnore}, 2, {2, true}, kTypePlane, 2},
      {"ignore then abort",
       {MismatchAnswer::kIgnore, MismatchAnswer::kAbort}, 2, {2, false}, kTypePlane, 2},
  };
  // clang-format on
  for (const MismatchRow& row : rows) {
    PlotStore store;
    ScriptedQuestion question;
    for (int i = 0; i < 2; ++i) {
      store.AddNewDataPoint(Record(1, 30 + i, 120), question);
      store.RetainCurrentData();
    }
    question.answers = row.answers;
    // Result and window A become lines: two kinds differ.
    store.AddNewDataPoint(Record(2, 10, 200, 2), question);
    EXPECT_EQ(question.asked.size(), row.questions) << row.name;
    ExpectState(store, row.after, row.name);
    EXPECT_EQ(store.TypeCode(kResult), row.resultType) << row.name;
    EXPECT_EQ(store.RetainedCount(), row.retained) << row.name;
  }
}

// Sets retained by the ten thousand (appended without copying the store),
// cleared from the end and retained again, across the store's chunk
// boundaries, read back as a plain list of sets holds them.
TEST(PlotStore, SetsKeptAcrossChunksThroughClearsAndRetains) {
  struct Step {
    int retain;
    int clearLast;
  };
  struct Case {
    const char* name;
    int resultType;
    int windowAType;  // window B holds planes in both
    std::vector<Step> steps;
    bool clearAllFirst;
  };
  // clang-format off
  const Case cases[] = {
      {"lines: two fields a set", 2, 0,
       {{20000, 0}, {0, 3000}, {9000, 1}, {0, 8000}, {3000, 0}}, false},
      {"seven fields a set, cleared back into the chunk before and retained across its end", 6, 2,
       {{2400, 0}, {0, 100}, {1000, 0}, {0, 1}, {1, 0}}, false},
      {"cleared and filled again", 2, 1, {{9000, 0}, {0, 9000}, {7000, 0}}, true},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlotStore store;
    ScriptedQuestion question;
    std::vector<PlotRecord> kept;
    int next = 0;
    const auto retain = [&](int count) {
      for (int i = 0; i < count; ++i, ++next) {
        PlotRecord record;
        record.cells[kResult] = {double(c.resultType), next * 1e-4, next * 2e-4, next * 3e-4, 0, 0};
        record.cells[kWindowA] = {double(c.windowAType), -next * 1e-4, 1.0, 0, 0, 0};
        record.cells[kWindowB] = {1, 0.5, next * 5e-5, 0, 0, 0};
        store.AddNewDataPoint(record, question);
        store.RetainCurrentData();
        kept.push_back(record);
      }
    };
    if (c.clearAllFirst) {
      retain(20000);
      store.ClearAllData();
      kept.clear();
    }
    for (const Step& step : c.steps) {
      retain(step.retain);
      for (int i = 0; i < step.clearLast; ++i) {
        store.ClearLastData();
        kept.pop_back();
      }
    }
    ASSERT_EQ(store.RetainedCount(), static_cast<int>(kept.size()));
    EXPECT_TRUE(question.asked.empty());
    for (int set = 1; set <= store.RetainedCount(); ++set) {
      const PlotRecord& record = kept[static_cast<std::size_t>(set - 1)];
      for (int kind = 0; kind < kKindCount; ++kind) {
        for (int field = 0; field < kFieldCount; ++field) {
          const bool keptField = field < (kind == kWindowB || kind == kWindowA ? 2 : 0) ||
                                 (kind == kResult && field < (c.resultType == 6 ? 3 : 2));
          const float expected = keptField && (kind != kWindowA || c.windowAType != 0)
                                     ? static_cast<float>(record.cells[kind][field + 1])
                                     : 0.0f;
          ASSERT_EQ(store.RetainedValue(set, kind, field), expected)
              << "set " << set << " kind " << kind << " field " << field;
        }
      }
    }
  }
}

}  // namespace
}  // namespace Lodema::Plot
