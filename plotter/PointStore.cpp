#include "plotter/PointStore.h"

#include <fstream>

#include "vbrt/NumberReading.h"
#include "vbrt/RuntimeError.h"

namespace plotter {

bool ParsePointRecord(const std::string& line, StoredPoint& point) {
    const std::size_t comma = line.find(',');
    if (comma == std::string::npos) return false;
    try {
        point.x = vbrt::Val(std::string_view(line).substr(0, comma));
        point.y = vbrt::Val(std::string_view(line).substr(comma + 1));
    } catch (const vbrt::RuntimeError&) {
        return false;
    }
    return true;
}

void ReadPointRecords(std::istream& in, std::vector<StoredPoint>& store) {
    store.clear();
    std::string line;
    StoredPoint point{};
    while (store.size() < kPointStoreSlots && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (ParsePointRecord(line, point)) store.push_back(point);
    }
}

bool ReadPointStore(const std::string& path, std::vector<StoredPoint>& store) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        store.clear();
        return false;
    }
    ReadPointRecords(file, store);
    return true;
}

}  // namespace plotter
