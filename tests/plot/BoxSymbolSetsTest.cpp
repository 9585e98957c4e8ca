// SPDX-License-Identifier: MIT
// Retained sets of box symbols written straight into the SVG document give
// the bytes the general drawing gives, and any other plot is left to it.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <sstream>
#include <string>

#include "plot/BoxSymbolSets.h"
#include "plot/PlotDrawing.h"

namespace Lodema::Plot {
namespace {

class Ignore : public MismatchQuestion {
 public:
  MismatchAnswer Ask(const std::string&) override { return MismatchAnswer::kIgnore; }
};

struct SetsCase {
  const char* name;
  ProjectionType projection;
  int resultType;  // windows A and B hold planes, shown only when asked
  bool planesAsPoles;
  bool windowsShown;
  int shape;
  int size;
  bool drawnAsBoxes;  // else DrawRetainedBoxSymbols leaves them
};

// A store of sets of random orientations (some unreadable), kept as a run
// keeps them.
PlotStore Filled(int resultType, int count) {
  std::mt19937 random(20261206u);
  std::uniform_real_distribution<double> plunge(-1.6, 1.6);
  std::uniform_real_distribution<double> trend(-7.0, 14.0);
  PlotStore store;
  Ignore ignore;
  for (int i = 0; i < count; ++i) {
    PlotRecord record;
    record.cells[kResult] = {double(resultType), plunge(random), trend(random), 0, 0, 0};
    if (i % 37 == 5) record.cells[kResult][2] = std::nan("");
    if (i % 41 == 7) record.cells[kResult][1] = 1e39;  // beyond a float
    record.cells[kWindowA] = {1.0, plunge(random), trend(random), 0, 0, 0};
    record.cells[kWindowB] = {1.0, plunge(random), trend(random), 0, 0, 0};
    store.AddNewDataPoint(record, ignore);
    store.RetainCurrentData();
  }
  return store;
}

std::string Document(const std::function<void(SvgSurface&)>& draw) {
  std::ostringstream out;
  {
    SvgSurface surface(out, {});
    surface.SetPen(Pen{{1, 2, 3}, 2, LineStyle::kSolid, PenMode::kCopy});
    surface.SetFill(Fill{false, {4, 5, 6}});
    draw(surface);
  }
  return out.str();
}

TEST(DrawRetainedBoxSymbols, SameDocumentAsTheGeneralDrawing) {
  constexpr auto kArea = ProjectionType::kEqualArea;
  constexpr auto kAngle = ProjectionType::kEqualAngle;
  const SetsCase cases[] = {
      {"lines, filled boxes", kArea, kTypeLine, false, false, 3, 4, true},
      {"lines, equal angle", kAngle, kTypeLine, false, false, 3, 4, true},
      {"lines, open boxes", kArea, kTypeLine, false, false, 8, 2, true},
      {"lines, a negative size", kArea, kTypeLine, false, false, 3, -3, true},
      {"lines, size 0", kArea, kTypeLine, false, false, 3, 0, true},
      {"planes as poles", kArea, kTypePlane, true, false, 3, 4, true},
      {"planes as poles, equal angle", kAngle, kTypePlane, true, false, 8, 5, true},
      {"planes as great circles", kArea, kTypePlane, false, false, 3, 4, false},
      {"discs", kArea, kTypeLine, false, false, 2, 4, false},
      {"a cross of two boxes", kArea, kTypeLine, false, false, 4, 4, false},
      {"a size too large", kArea, kTypeLine, false, false, 3, 20000, false},
      {"the windows' poles too", kArea, kTypeLine, true, true, 3, 4, false},
  };
  for (const SetsCase& c : cases) {
    SCOPED_TRACE(c.name);
    PlotView view;
    view.projection = c.projection;
    view.planesAsGreatCircles = !c.planesAsPoles;
    view.shown = {true, c.windowsShown, c.windowsShown, false, false};
    view.symbols[kResult].shape = c.shape;
    view.symbols[kResult].size = c.size;
    const PlotStore store = Filled(c.resultType, 1500);
    const std::string general = Document([&](SvgSurface& s) {
      DrawRetainedSets(s, store, view, 1, 700);
      DrawRetainedSets(s, store, view, 701, 1500);
    });
    bool drawn = true;
    const std::string boxes = Document([&](SvgSurface& s) {
      // In pieces, as a run draws them, with ranges clamped at both ends.
      drawn = DrawRetainedBoxSymbols(s, store, view, -5, 1) &&
              DrawRetainedBoxSymbols(s, store, view, 2, 700) &&
              DrawRetainedBoxSymbols(s, store, view, 701, 2000);
    });
    EXPECT_EQ(drawn, c.drawnAsBoxes);
    if (c.drawnAsBoxes) {
      EXPECT_TRUE(boxes == general) << "documents differ";
    } else {
      EXPECT_TRUE(boxes == Document([](SvgSurface&) {})) << "drew something";
    }
  }
}

TEST(DrawNewestBoxSymbol, SameDocumentAsTheGeneralDrawingWithPlacesGivenOrNot) {
  struct Case {
    const char* name;
    int resultType;
    bool planesAsPoles;
    int shape;
    bool drawnAsBoxes;
  };
  const Case cases[] = {
      {"lines", kTypeLine, false, 3, true},
      {"poles, open boxes", kTypePlane, true, 8, true},
      {"discs", kTypeLine, false, 2, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlotView view;
    view.planesAsGreatCircles = !c.planesAsPoles;
    view.shown = {true, false, false, false, false};
    view.symbols[kResult].shape = c.shape;
    const PlotStore all = Filled(c.resultType, 900);
    // The store as it grows set by set, each newest set drawn as it comes:
    // its place given (a position, or none for unreadable values), or
    // worked out when drawn. Halfway the surface's own pen changes, which
    // the symbols' pen takes.
    enum class Way { kGeneral, kEachSetPlanned, kPlanKept };
    const auto draw = [&](Way way, bool& drawn) {
      return Document([&](SvgSurface& s) {
        PlotStore store;
        Ignore ignore;
        NewestBoxSymbols kept;
        for (int set = 1; set <= all.RetainedCount(); ++set) {
          if (set == 450) s.SetPen(Pen{{1, 2, 3}, 3, LineStyle::kSolid, PenMode::kCopy});
          PlotRecord record;
          record.cells[kResult] = {double(c.resultType),
                                   all.RetainedValue(set, kResult, 0),
                                   all.RetainedValue(set, kResult, 1),
                                   0,
                                   0,
                                   0};
          store.AddNewDataPoint(record, ignore);
          store.RetainCurrentData();
          std::array<SymbolPlace, kKindCount> places{};
          if (set % 3 != 0) {
            places[kResult] = SymbolPlaceOf(view, c.resultType, all.RetainedValue(set, kResult, 0),
                                            all.RetainedValue(set, kResult, 1));
          }
          switch (way) {
            case Way::kGeneral:
              DrawNewestSet(s, store, view, places);
              break;
            case Way::kEachSetPlanned:
              drawn = DrawNewestBoxSymbol(s, store, view, places) && drawn;
              break;
            case Way::kPlanKept:
              drawn = kept.Draw(s, store, view, places) && drawn;
              break;
          }
        }
      });
    };
    bool unused = true;
    const std::string general = draw(Way::kGeneral, unused);
    for (const Way way : {Way::kEachSetPlanned, Way::kPlanKept}) {
      bool drawn = true;
      const std::string boxes = draw(way, drawn);
      EXPECT_EQ(drawn, c.drawnAsBoxes);
      if (c.drawnAsBoxes) {
        EXPECT_TRUE(boxes == general) << "documents differ, way " << int(way);
      }
    }
  }
}

}  // namespace
}  // namespace Lodema::Plot
