// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the point-file reader behind the join button: whatever the file
// holds, reading stops at the store's capacity and yields only finite points.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "plotter/PointStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<plotter::StoredPoint> store;
    plotter::ReadPointRecords(in, store);
    if (store.size() > plotter::kPointStoreSlots) std::abort();
    for (const plotter::StoredPoint& p : store) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) std::abort();
    }
    return 0;
}
