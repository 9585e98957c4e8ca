// SPDX-License-Identifier: MIT
#include "batch/TemporaryFiles.h"

#include <unistd.h>

#include <array>
#include <atomic>
#include <cstring>

namespace Lodema {

namespace {

// A fixed table: a signal handler may neither allocate nor take locks.
struct Slot {
  std::atomic<bool> taken{false};
  std::atomic<bool> ready{false};
  char path[4096] = {};
};
std::array<Slot, 16> slots;

}  // namespace

int RememberTemporaryFile(const std::string& path) {
  if (path.size() >= sizeof(Slot::path)) return -1;
  for (std::size_t i = 0; i < slots.size(); ++i) {
    bool expected = false;
    if (!slots[i].taken.compare_exchange_strong(expected, true)) continue;
    std::memcpy(slots[i].path, path.c_str(), path.size() + 1);
    slots[i].ready.store(true);
    return static_cast<int>(i);
  }
  return -1;
}

void ForgetTemporaryFile(int ticket) {
  if (ticket < 0 || ticket >= static_cast<int>(slots.size())) return;
  Slot& slot = slots[static_cast<std::size_t>(ticket)];
  slot.ready.store(false);
  slot.taken.store(false);
}

void RemoveTemporaryFilesNow() {
  for (Slot& slot : slots) {
    if (slot.ready.load()) ::unlink(slot.path);
  }
}

}  // namespace Lodema
