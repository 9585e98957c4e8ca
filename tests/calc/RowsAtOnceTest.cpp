// SPDX-License-Identifier: MIT
// A batch row typed into the model at once must leave the model exactly as
// typing it box by box does: the same boxes, checks, results, message,
// status and stereonet record, row after row, for every calculation.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "calc/CalculatorModel.h"
#include "tests/calc/ModelSnapshot.h"

namespace Lodema {
namespace {

using testing::Snapshot;
using Use = CalculatorModel::RowBoxUse;
using Uses = std::array<Use, kMappedBoxCount>;

// Keeps every record the stereonet is given.
class RecordingPlot : public PlotSink {
 public:
  bool IsShowing() const override { return true; }
  void AddNewDataPoint(const CalculationRecord& record) override {
    std::string text = std::to_string(record.calculation);
    for (const auto& row : record.cells) {
      for (const double cell : row) text += " " + std::to_string(cell);
    }
    records.push_back(text);
  }
  std::vector<std::string> records;
};

struct Layout {
  const char* name;
  int planeIn = 1;
  int lineIn = 0;
  int quadrantIn = 0;
  bool betaConv = true;
  bool zenith = false;
  bool polaritySign = true;
};

void Select(CalculatorModel& model, int calculation, const Layout& layout) {
  Settings& s = model.settings();
  s.Calculation = calculation;
  s.PlaneConvIn = layout.planeIn;
  s.LineConvIn = layout.lineIn;
  s.QuadrantIn = layout.quadrantIn;
  s.BetaConv = layout.betaConv;
  s.ZenithConv = layout.zenith;
  s.ShowPolaritySign = layout.polaritySign;
  s.PlungeName = layout.zenith ? "zenith" : "plunge";
  model.ApplySettingsToControls();
  model.ShowStoredCalculation();
  model.SetBatchRunning(true);
}

bool IsObtuseFlag(const CalculatorModel& model, int box) {
  return model.Controls().entryCaptions[box].caption == "obtuse?";
}

// A batch run's uses: every box the calculation reads takes a column; with
// flagsEmptied, an obtuse flag takes none (the default column map).
Uses TypedWhereRead(const CalculatorModel& model, bool flagsEmptied = false) {
  const MainWindowControls& c = model.Controls();
  const int lastRead = c.windowDFrame.visible ? 10 : 7;
  Uses uses{};
  for (int box = 0; box < kMappedBoxCount; ++box) {
    const bool read = c.entryBoxes[box].visible && box <= lastRead;
    uses[box] = read && !(flagsEmptied && IsObtuseFlag(model, box)) ? Use::kTyped : Use::kEmptied;
  }
  return uses;
}

// What starts every batch row: the boxes that take no column are emptied.
void EmptyUnmappedBoxes(CalculatorModel& model, const Uses& uses) {
  for (int box = 0; box < kMappedBoxCount; ++box) {
    if (uses[box] == Use::kEmptied && !model.Controls().entryBoxes[box].text.empty()) {
      model.SetEntryText(box, "");
    }
  }
}

// What a batch row does box by box after that: empties the last typed box,
// then types each typed box in order.
void TypeBoxByBox(CalculatorModel& model, const Uses& uses,
                  const std::array<std::string_view, kMappedBoxCount>& texts) {
  int last = -1;
  for (int box = 0; box < kMappedBoxCount; ++box) {
    if (uses[box] == Use::kTyped) last = box;
  }
  if (!model.Controls().entryBoxes[last].text.empty()) model.SetEntryText(last, "");
  for (int box = 0; box < kMappedBoxCount; ++box) {
    if (uses[box] == Use::kTyped) model.SetEntryText(box, std::string(texts[box]));
  }
}

// Mostly plain numbers across and beyond every box's range, some with
// decimals, and now and then a text only the box-by-box path reads; for a
// sense box mostly compass points in any letter case.
std::string RandomField(std::mt19937& random, bool senseBox) {
  auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  static const char* const odd[] = {
      "",    "+45", "-0",  "1e2", "45NE", " 45",   "45 ",
      "abc", "360", "-90", "90",  "0,5",  "180.0", "12345678901234567890",
      "-",   ".",   "090", "N30E"};
  static const char* const senses[] = {"N", "ne", "Sw", "w", "NNE", "ese", "NEE", "X", "NW ", "n"};
  switch (senseBox && pick(0, 4) > 0 ? 10 : pick(0, 10)) {
    case 0:
      return odd[pick(0, sizeof odd / sizeof odd[0] - 1)];
    case 10:
      return senses[pick(0, sizeof senses / sizeof senses[0] - 1)];
    case 1:
      return std::to_string(pick(-400, 400)) + "." + std::to_string(pick(0, 999));
    case 2:
      return std::to_string(pick(-200, 200));
    default:
      return std::to_string(pick(0, 95));
  }
}

TEST(RowsAtOnceTest, EveryRowLeavesTheModelAsTypingBoxByBox) {
  const Layout layouts[] = {
      {"dip and dip direction"},
      {"dip direction first, trend first", 2, 1},
      {"strike, right-hand rule", 6},
      {"gamma from -180 to 180, zenith", 1, 0, 0, false, true},
      {"strike, dip and sense letters", 3},
  };
  int rowsAtOnce = 0;
  int withFlagEmptied = 0;
  for (const Layout& layout : layouts) {
    for (int run = 0; run < 2 * kCalculationCount; ++run) {
      const int calculation = run / 2;
      const bool flagsEmptied = run % 2 == 1;
      SCOPED_TRACE(std::string(layout.name) + ", calculation " + std::to_string(calculation) +
                   (flagsEmptied ? ", obtuse flag emptied" : ""));
      CalculatorModel atOnce;
      Select(atOnce, calculation, layout);
      const Uses uses = TypedWhereRead(atOnce, flagsEmptied);
      if (flagsEmptied && uses == TypedWhereRead(atOnce)) continue;  // no flag
      // A flag left from the window: the first row empties it.
      if (flagsEmptied) atOnce.SetEntryText(6, "obtuse");
      if (!atOnce.PrepareRowsAtOnce(uses)) continue;
      if (flagsEmptied) ++withFlagEmptied;
      CalculatorModel boxByBox(atOnce);
      RecordingPlot atOncePlot;
      RecordingPlot boxByBoxPlot;
      atOnce.SetPlotSink(&atOncePlot);
      boxByBox.SetPlotSink(&boxByBoxPlot);

      std::mt19937 random(20261206u + static_cast<unsigned>(calculation));
      for (int row = 0; row < 150; ++row) {
        std::array<std::string, kMappedBoxCount> fields;
        std::array<std::string_view, kMappedBoxCount> texts;
        for (int box = 0; box < kMappedBoxCount; ++box) {
          fields[box] =
              RandomField(random, atOnce.Controls().entryCaptions[box].caption == "sense");
          texts[box] = fields[box];
        }
        EmptyUnmappedBoxes(atOnce, uses);
        EmptyUnmappedBoxes(boxByBox, uses);
        const std::string before = Snapshot(atOnce);
        if (atOnce.TypeRowAtOnce(texts)) {
          ++rowsAtOnce;
          TypeBoxByBox(boxByBox, uses, texts);
        } else {
          ASSERT_EQ(Snapshot(atOnce), before) << "a refused row changed the model";
          // The box-by-box path takes the row; both carry on from it.
          TypeBoxByBox(atOnce, uses, texts);
          TypeBoxByBox(boxByBox, uses, texts);
        }
        ASSERT_EQ(Snapshot(atOnce), Snapshot(boxByBox)) << "row " << row;
      }
      EXPECT_EQ(atOncePlot.records, boxByBoxPlot.records);
    }
  }
  // Most rows of plain numbers went the short way, among them those of the
  // five calculations with an obtuse flag.
  EXPECT_GT(rowsAtOnce, 5000);
  EXPECT_EQ(withFlagEmptied, 5 * static_cast<int>(std::size(layouts)));
}

struct ReadyCase {
  const char* name;
  int calculation;
  Layout layout;
  bool ready;
  bool flagsEmptied = false;
};

TEST(RowsAtOnceTest, ReadyOnlyWhenEveryTypedBoxTakesNumbers) {
  const ReadyCase cases[] = {
      {"intersection of planes", 0, {"dip and dip direction"}, true},
      {"strike, right-hand rule", 0, {"rh rule", 6}, true},
      {"strike, dip and sense letters", 0, {"sense", 3}, true},
      {"quadrant bearings", 0, {"quadrant", 1, 0, 1}, false},
      {"drill core", 19, {"dip and dip direction"}, true},
      {"obtuse flag", 2, {"dip and dip direction"}, false},
      {"obtuse flag emptied", 2, {"dip and dip direction"}, true, true},
      {"pitch and its sense", 8, {"dip and dip direction"}, true},
  };
  for (const ReadyCase& c : cases) {
    SCOPED_TRACE(c.name);
    CalculatorModel model;
    Select(model, c.calculation, c.layout);
    EXPECT_EQ(model.PrepareRowsAtOnce(TypedWhereRead(model, c.flagsEmptied)), c.ready);
  }
}

TEST(RowsAtOnceTest, NotReadyWhenABoxTheCalculationReadsIsEmptiedOrInvalid) {
  CalculatorModel model;
  Select(model, 0, {"dip and dip direction"});
  Uses uses = TypedWhereRead(model);
  uses[1] = Use::kEmptied;  // every row would stop at this box
  EXPECT_FALSE(model.PrepareRowsAtOnce(uses));
  uses[1] = Use::kKept;  // kept, but holding nothing valid
  EXPECT_FALSE(model.PrepareRowsAtOnce(uses));
  model.SetEntryText(1, "120");
  EXPECT_TRUE(model.PrepareRowsAtOnce(uses));
}

TEST(RowsAtOnceTest, ANewLayoutEndsTheRun) {
  CalculatorModel model;
  Select(model, 0, {"dip and dip direction"});
  ASSERT_TRUE(model.PrepareRowsAtOnce(TypedWhereRead(model)));
  model.SelectCalculation(5);
  EXPECT_FALSE(model.RowsAtOnceReady());
  const std::array<std::string_view, kMappedBoxCount> texts = {"30", "120", "", "40", "200"};
  EXPECT_FALSE(model.TypeRowAtOnce(texts));
}

// A row written straight gives exactly the main results typing it at once
// shows, and after CatchUpStraightRows the model is where typing every row
// at once leaves it; a row it refuses changes nothing.
TEST(RowsAtOnceTest, RowsWrittenStraightShowWhatTypingThemShows) {
  const Layout layouts[] = {
      {"dip and dip direction"},
      {"dip direction first, trend first", 2, 1},
      {"gamma from -180 to 180, zenith", 1, 0, 0, false, true},
      {"upward lines shown downward", 1, 0, 0, true, false, false},
      {"strike, right-hand rule", 6},  // never straight: strikes are read as text
  };
  int straightRows = 0;
  int straightRuns = 0;
  for (const Layout& layout : layouts) {
    for (int calculation = 0; calculation < kCalculationCount; ++calculation) {
      SCOPED_TRACE(std::string(layout.name) + ", calculation " + std::to_string(calculation));
      CalculatorModel typed;
      Select(typed, calculation, layout);
      const Uses uses = TypedWhereRead(typed, true);
      if (!typed.PrepareRowsAtOnce(uses)) continue;
      CalculatorModel straight(typed);
      // Both feed a stereonet: a row written straight gives it the record
      // the row typed at once gives, and catching up gives none again.
      RecordingPlot typedPlot;
      RecordingPlot straightPlot;
      typed.SetPlotSink(&typedPlot);
      straight.SetPlotSink(&straightPlot);
      ASSERT_TRUE(straight.PrepareRowsAtOnce(uses));
      if (!straight.StraightRowsReady()) continue;
      ++straightRuns;

      std::mt19937 random(77u + static_cast<unsigned>(calculation));
      for (int row = 0; row < 150; ++row) {
        std::array<std::string, kMappedBoxCount> fields;
        std::array<std::string_view, kMappedBoxCount> texts;
        for (int box = 0; box < kMappedBoxCount; ++box) {
          fields[box] = RandomField(random, false);
          texts[box] = fields[box];
        }
        EmptyUnmappedBoxes(typed, uses);
        if (!typed.TypeRowAtOnce(texts)) TypeBoxByBox(typed, uses, texts);

        CalculatorModel::StraightRow written;
        const std::string before = Snapshot(straight);
        if (straight.WriteRowStraight(texts, nullptr, written)) {
          ++straightRows;
          for (int box = 0; box < 3; ++box) {
            EXPECT_EQ(written.mainResults[box], typed.Controls().resultValues[box].caption)
                << "row " << row << ", result box " << box;
          }
          EXPECT_FALSE(typed.MessageReportsFailure());
        } else {
          ASSERT_EQ(Snapshot(straight), before) << "a refused row changed the model";
          straight.CatchUpStraightRows();
          EmptyUnmappedBoxes(straight, uses);
          if (!straight.TypeRowAtOnce(texts)) TypeBoxByBox(straight, uses, texts);
        }
        // Now and then the model catches up, as before a row it must type.
        if (row % 7 == 0) {
          straight.CatchUpStraightRows();
          ASSERT_EQ(Snapshot(straight), Snapshot(typed)) << "row " << row;
        }
      }
      straight.EndRowsAtOnce();
      EXPECT_EQ(Snapshot(straight), Snapshot(typed));
      EXPECT_EQ(straightPlot.records, typedPlot.records);
    }
  }
  // Most line and plane results of plain rows went straight.
  EXPECT_GT(straightRuns, 40) << straightRuns;
  EXPECT_GT(straightRows, 800);
}

TEST(RowsAtOnceTest, OnlyARowAfterOneTypedAtOnceGoesStraight) {
  CalculatorModel model;
  Select(model, 0, {"dip and dip direction"});
  const Uses uses = TypedWhereRead(model);
  ASSERT_TRUE(model.PrepareRowsAtOnce(uses));
  ASSERT_TRUE(model.StraightRowsReady());
  const std::array<std::string_view, kMappedBoxCount> texts = {"30", "120", "", "40", "200"};
  CalculatorModel::StraightRow written;
  // The first row of a run sets the boxes the next rows start from.
  EXPECT_FALSE(model.WriteRowStraight(texts, nullptr, written));
  ASSERT_TRUE(model.TypeRowAtOnce(texts));
  EXPECT_TRUE(model.WriteRowStraight(texts, nullptr, written));
  // A box typed alone: the next row is typed again.
  model.CatchUpStraightRows();
  model.SetEntryText(1, "121");
  EXPECT_FALSE(model.WriteRowStraight(texts, nullptr, written));
  // Coinciding planes have no result: the row is the model's to show.
  ASSERT_TRUE(model.TypeRowAtOnce(texts));
  const std::array<std::string_view, kMappedBoxCount> same = {"30", "120", "", "30", "120"};
  EXPECT_FALSE(model.WriteRowStraight(same, nullptr, written));
}

TEST(RowsAtOnceTest, ARunWhoseRowsMostlyNeedTheModelStopsTryingToWriteThemStraight) {
  // Coinciding planes: every row has a message, so none can go straight.
  CalculatorModel model;
  Select(model, 0, {"dip and dip direction"});
  ASSERT_TRUE(model.PrepareRowsAtOnce(TypedWhereRead(model)));
  const std::array<std::string_view, kMappedBoxCount> same = {"30", "120", "", "30", "120"};
  CalculatorModel::StraightRow written;
  int tried = 0;
  while (model.StraightRowsReady() && tried < 1000) {
    ASSERT_TRUE(model.TypeRowAtOnce(same));
    EXPECT_FALSE(model.WriteRowStraight(same, nullptr, written));
    ++tried;
  }
  EXPECT_GT(tried, 10);
  EXPECT_LT(tried, 1000);
  // The rows are typed at once as before.
  EXPECT_TRUE(model.RowsAtOnceReady());
  EXPECT_TRUE(model.TypeRowAtOnce(same));
}

}  // namespace
}  // namespace Lodema
