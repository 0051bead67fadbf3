#include "GearTable.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <string_view>
#include <system_error>

#include "LevelSourceError.h"

namespace {

constexpr std::string_view Columns[] = {"picture", "full_radius", "belly_radius", "teeth", "scale"};

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> cells;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        cells.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) {
            return cells;
        }
        start = tab + 1;
    }
}

template <typename T>
bool Parse(std::string_view cell, T& value) {
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
    return error == std::errc() && end == cell.data() + cell.size();
}

}  // namespace

GearTable GearTable::Read(std::istream& text, const std::string& fileName) {
    GearTable table;
    table.fileName = fileName;
    std::string line;
    int number = 0;
    bool header = true;
    while (std::getline(text, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const auto cells = SplitTabs(line);
        if (header) {
            if (cells.size() != std::size(Columns) ||
                !std::equal(cells.begin(), cells.end(), std::begin(Columns))) {
                throw LevelSourceError::At(
                    fileName, number,
                    "the header must be: picture, full_radius, belly_radius, teeth, scale "
                    "(tab-separated)");
            }
            header = false;
            continue;
        }
        if (line.find_first_not_of(" \t") == std::string::npos) {
            continue;
        }
        if (cells.size() != std::size(Columns)) {
            throw LevelSourceError::At(
                fileName, number,
                "a row has 5 tab-separated cells, not " + std::to_string(cells.size()));
        }
        GearRow row;
        row.picture = std::string(cells[0]);
        row.line = number;
        if (row.picture.empty()) {
            throw LevelSourceError::At(fileName, number, "picture: a row needs a picture name");
        }
        const auto positive = [&](int column, auto& value) {
            if (!Parse(cells[column], value) || !(value > 0) || !std::isfinite(float(value))) {
                throw LevelSourceError::At(fileName, number,
                                           std::string(Columns[column]) +
                                               ": a positive number, not \"" +
                                               std::string(cells[column]) + "\"");
            }
        };
        positive(1, row.fullRadius);
        positive(2, row.bellyRadius);
        positive(3, row.teeth);
        positive(4, row.scale);
        if (table.Find(row.picture) != nullptr) {
            throw LevelSourceError::At(fileName, number,
                                       "picture: \"" + row.picture + "\" is listed twice");
        }
        table.rows.push_back(std::move(row));
    }
    if (header) {
        throw LevelSourceError::At(fileName, 0, "the gear table is empty: it needs its header");
    }
    return table;
}

GearTable GearTable::ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw LevelSourceError::At(path, 0, "cannot read the gear table");
    }
    return Read(file, path);
}

const GearRow* GearTable::Find(const std::string& picture) const {
    for (const GearRow& row : rows) {
        if (row.picture == picture) {
            return &row;
        }
    }
    return nullptr;
}
