// SPDX-License-Identifier: MIT
#include "plot/PlotStore.h"

#include <algorithm>
#include <cmath>

namespace Lodema::Plot {

const char* const kTypeMismatchText =
    "The type of plotted data from this calculation is different to that "
    "already retained in the plot!"
    "\r\n1. Retry with a new, cleared plot (best option);"
    "\r\n2. Abort the new results and try changing the calculation; or"
    "\r\n3. Ignore and include this data in the current plot (with unpredictable results)?";

namespace {

// A record's type code as a whole number; anything unreadable is "nothing".
int TypeCodeOf(double cell) {
  if (!std::isfinite(cell) || std::abs(cell) > 2.0e9) return kTypeNothing;
  return static_cast<int>(std::nearbyint(cell));
}

// Fields a kind of this type needs for drawing.
int DrawnFields(int type) {
  if (type == kTypePlane || type == kTypeLine) return 2;
  const bool cone =
      type == kTypeReferenceAlpha || type == kTypeBetaAlpha || type == kTypeCoreAxisAndAlpha;
  return cone ? 3 : 0;
}

}  // namespace

void PlotStore::ChunkedValues::Append(const float* values, std::size_t count) {
  while (count > 0) {
    const std::size_t chunk = size_ >> kChunkBits;
    const std::size_t offset = size_ & kChunkMask;
    if (chunk == chunks_.size()) chunks_.push_back(std::make_unique<float[]>(kChunkSize));
    const std::size_t part = std::min(count, kChunkSize - offset);
    std::copy(values, values + part, chunks_[chunk].get() + offset);
    values += part;
    count -= part;
    size_ += part;
  }
  room_ = (size_ & kChunkMask) == 0 ? 0 : kChunkSize - (size_ & kChunkMask);
}

void PlotStore::ChunkedValues::DropLast(std::size_t count) {
  size_ -= std::min(count, size_);
  // Keep one spare chunk so that add / remove at a boundary does not churn.
  const std::size_t needed = (size_ + kChunkMask) >> kChunkBits;
  while (chunks_.size() > needed + 1) chunks_.pop_back();
  room_ = (size_ & kChunkMask) == 0 ? 0 : kChunkSize - (size_ & kChunkMask);
}

void PlotStore::ChunkedValues::Clear() {
  chunks_.clear();
  chunks_.shrink_to_fit();
  size_ = 0;
  room_ = 0;
}

int PlotStore::TypeCode(int kind) const {
  return kind >= 0 && kind < kKindCount ? types_[kind] : kTypeNothing;
}

void PlotStore::UpdateLayout() {
  for (int kind = 0; kind < kKindCount; ++kind) width_[kind] = DrawnFields(types_[kind]);
  // The cones of window A turn about window C's line.
  if (types_[kWindowA] == kTypeReferenceAlpha || types_[kWindowA] == kTypeBetaAlpha) {
    width_[kWindowC] = std::max(width_[kWindowC], 2);
  }
  stride_ = 0;
  for (int kind = 0; kind < kKindCount; ++kind) {
    offset_[kind] = stride_;
    for (int field = 0; field < width_[kind]; ++field) {
      keptKind_[stride_] = static_cast<unsigned char>(kind);
      keptField_[stride_] = static_cast<unsigned char>(field);
      ++stride_;
    }
  }
}

void PlotStore::TakeTypes(const PlotRecord& record) {
  bool changed = false;
  for (int kind = 0; kind < kKindCount; ++kind) {
    const int type = TypeCodeOf(record.cells[kind][0]);
    changed = changed || type != types_[kind];
    types_[kind] = type;
    typeCells_[kind] = type;
  }
  if (changed) {
    ++typeChanges_;
    UpdateLayout();  // no retained sets exist, so nothing needs re-packing
    current_ = {};
  }
}

StoreChange PlotStore::AddNewDataPoint(const PlotRecord& record, MismatchQuestion& question) {
  const auto& c = record.cells;
  if (c[0][0] == 0 && c[0][1] == 0 && c[0][2] == 0 && c[1][0] == 0 && c[1][1] == 0) {
    return StoreChange::kNone;
  }
  // Every kind's type as retained, as nearly every row of a run has it:
  // all compared at once, without a branch per kind.
  bool sameTypes = true;
  for (int kind = 0; kind < kKindCount; ++kind) sameTypes &= c[kind][0] == typeCells_[kind];
  if (lastSetIndex_ >= 1 && !sameTypes) {
    for (int kind = 0; kind < kKindCount; ++kind) {
      if (c[kind][0] == typeCells_[kind] || types_[kind] == TypeCodeOf(c[kind][0])) continue;
      switch (question.Ask(kTypeMismatchText)) {
        case MismatchAnswer::kAbort:
          return StoreChange::kNone;
        case MismatchAnswer::kRetry:
          ClearAllData();
          StoreCurrent(record, true);
          return StoreChange::kChanged;
        case MismatchAnswer::kIgnore:
          break;
      }
    }
  }
  StoreCurrent(record, lastSetIndex_ < 1);
  return StoreChange::kChanged;
}

StoreChange PlotStore::RetainCurrentData() {
  if (!newDataPending_) return StoreChange::kNone;
  // Straight into the last chunk, as every row of a long run does, unless
  // the set runs over into a new one.
  std::array<float, kKindCount * kFieldCount> spare;
  float* const room = retained_.TakeRoom(Stride());
  float* const set = room != nullptr ? room : spare.data();
  for (int i = 0; i < stride_; ++i) {
    float& value = current_[keptKind_[i]][keptField_[i]];
    set[i] = value;
    value = 0.0f;  // fields not kept are always 0
  }
  if (room == nullptr) retained_.Append(spare.data(), Stride());
  ++lastSetIndex_;
  newDataPending_ = false;
  return StoreChange::kChanged;
}

StoreChange PlotStore::ClearLastData() {
  // The pending flag, not the sign of the values, tells whether a current
  // set exists: a horizontal line of trend 000 is all zeros.
  if (newDataPending_) {
    current_ = {};
    newDataPending_ = false;
  } else if (lastSetIndex_ < 1) {
    lastSetIndex_ = -1;
  } else {
    --lastSetIndex_;
    retained_.DropLast(Stride());
  }
  return StoreChange::kChanged;
}

StoreChange PlotStore::ClearAllData() {
  lastSetIndex_ = -1;
  newDataPending_ = false;
  current_ = {};
  retained_.Clear();
  return StoreChange::kChanged;
}

float PlotStore::CurrentValue(int kind, int field) const {
  if (kind < 0 || kind >= kKindCount || field < 0 || field >= kFieldCount) return 0.0f;
  return current_[kind][field];
}

float PlotStore::RetainedValue(int set, int kind, int field) const {
  if (set < 1 || set > RetainedCount() || kind < 0 || kind >= kKindCount || field < 0 ||
      field >= width_[kind]) {
    return 0.0f;
  }
  return retained_[static_cast<std::size_t>(set - 1) * Stride() +
                   static_cast<std::size_t>(offset_[kind] + field)];
}

}  // namespace Lodema::Plot
