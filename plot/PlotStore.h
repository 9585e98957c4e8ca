// SPDX-License-Identifier: MIT
// The orientations on the plot: the current set (the latest calculation)
// and the retained sets, oldest first, with the type of data each kind holds.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "plot/PlotRecord.h"

namespace Lodema::Plot {

enum class MismatchAnswer { kAbort, kRetry, kIgnore };

// The question asked when new data differs in type from retained data, with
// the buttons Abort, Retry and Ignore and an exclamation icon.
class MismatchQuestion {
 public:
  virtual ~MismatchQuestion() = default;
  virtual MismatchAnswer Ask(const std::string& text) = 0;
};

// Its text; lines are separated by CR LF.
extern const char* const kTypeMismatchText;

// Whether the store changed (the plot must be redrawn).
enum class StoreChange { kNone, kChanged };

class PlotStore {
 public:
  // Adds one calculation as the current set, replacing any earlier current
  // set. Nothing happens for an empty record (result type, its first two
  // values and window A's type and first value all zero). While sets are
  // retained, each kind whose type differs is put to `question`: Abort
  // leaves everything as it was, Retry clears the store first and keeps the
  // new data, Ignore goes on (the next kind may ask again) and stores the
  // values under the retained types.
  StoreChange AddNewDataPoint(const PlotRecord& record, MismatchQuestion& question);
  // Moves the current set to the end of the retained sets. Nothing without
  // pending data.
  StoreChange RetainCurrentData();
  // Removes the current set if there is one, else the newest retained set;
  // empties the store when neither is left.
  StoreChange ClearLastData();
  // Empties the store. Type codes stay until the next data replaces them.
  StoreChange ClearAllData();

  // Empty: "Retain", "Clear last" and "Clear all" are disabled.
  bool IsEmpty() const { return lastSetIndex_ < 0; }
  int RetainedCount() const { return lastSetIndex_ < 1 ? 0 : lastSetIndex_; }
  // The current set holds data that is not retained (and is drawn).
  bool NewDataPending() const { return newDataPending_; }
  int TypeCode(int kind) const;
  // How many times the type codes have changed: the same number means the
  // same types.
  int TypeChanges() const { return typeChanges_; }

  // A value of the current set: only the fields its kind's type draws are
  // kept, the others read 0 (as they do when the store is empty).
  float CurrentValue(int kind, int field) const;
  // A value of retained set 1..RetainedCount(), oldest first. Only the
  // fields the kind's type draws are kept; the others read 0.
  float RetainedValue(int set, int kind, int field) const;

 private:
  // Here rather than in the source: every row of a long run stores a set.
  void StoreCurrent(const PlotRecord& record, bool takeTypes) {
    if (takeTypes) TakeTypes(record);
    lastSetIndex_ = lastSetIndex_ < 0 ? 0 : lastSetIndex_;
    // Only the fields the types draw are kept; the others stay 0.
    for (int i = 0; i < stride_; ++i) {
      const int kind = keptKind_[i];
      const int field = keptField_[i];
      current_[kind][field] = static_cast<float>(record.cells[kind][field + 1]);
    }
    newDataPending_ = true;
  }
  void TakeTypes(const PlotRecord& record);
  void UpdateLayout();
  std::size_t Stride() const { return static_cast<std::size_t>(stride_); }

  int lastSetIndex_ = -1;
  bool newDataPending_ = false;
  std::array<int, kKindCount> types_{};
  std::array<double, kKindCount> typeCells_{};  // the types as a record holds them
  int typeChanges_ = 0;
  std::array<std::array<float, kFieldCount>, kKindCount> current_{};
  // Retained sets, each `stride_` values: the kept fields of each kind in
  // kind order, in fixed-size chunks so that growing never copies them.
  class ChunkedValues {
   public:
    void Append(const float* values, std::size_t count);
    // Room for count (> 0) more values at the end when the last chunk has
    // it, taken (the caller fills it); null otherwise, nothing taken.
    float* TakeRoom(std::size_t count) {
      if (count == 0 || count > room_) return nullptr;
      float* to = chunks_[size_ >> kChunkBits].get() + (size_ & kChunkMask);
      size_ += count;
      room_ -= count;
      return to;
    }
    void DropLast(std::size_t count);
    void Clear();
    float operator[](std::size_t i) const { return chunks_[i >> kChunkBits][i & kChunkMask]; }

   private:
    static constexpr std::size_t kChunkBits = 14;
    static constexpr std::size_t kChunkSize = std::size_t{1} << kChunkBits;
    static constexpr std::size_t kChunkMask = kChunkSize - 1;
    std::vector<std::unique_ptr<float[]>> chunks_;
    std::size_t size_ = 0;
    std::size_t room_ = 0;  // left in the last chunk after size_
  };
  ChunkedValues retained_;
  std::array<int, kKindCount> offset_{};
  std::array<int, kKindCount> width_{};
  int stride_ = 0;
  // The kept fields in the order a retained set holds them (stride_ of
  // them): every row of a run stores and retains them, so one flat loop
  // rather than one per kind.
  std::array<unsigned char, kKindCount * kFieldCount> keptKind_{};
  std::array<unsigned char, kKindCount * kFieldCount> keptField_{};
};

}  // namespace Lodema::Plot
