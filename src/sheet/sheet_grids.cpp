#include "sheet/sheet_grids.h"

#include <algorithm>

namespace tev {

int GridTableNumber(std::string_view gridName) {
    if (gridName.size() < 4) return -1;
    const char tens = gridName[2];
    const char ones = gridName[3];
    if (tens < '0' || tens > '9' || ones < '0' || ones > '9') return -1;
    return (tens - '0') * 10 + (ones - '0');
}

std::string GridNameOfTable(int tableNumber) {
    if (tableNumber < 0 || tableNumber > 99) return {};
    return std::string("SG") + static_cast<char>('0' + tableNumber / 10) +
           static_cast<char>('0' + tableNumber % 10);
}

const std::vector<std::string>& SheetGrids::TableGridNames() {
    static const std::vector<std::string> names = {
        "SG11", "SG18", "SG12", "SG21", "SG22", "SG23", "SG24", "SG31", "SG32",
        "SG33", "SG34", "SG41", "SG42", "SG43", "SG44", "SG51", "SG52", "SG61",
        "SG71", "SG72", "SG81", "SG82", "SG83", "SG91", "SG92"};
    return names;
}

SheetGrids::SheetGrids() {
    std::vector<std::string> names = {"SG00"};
    const auto& tables = TableGridNames();
    names.insert(names.end(), tables.begin(), tables.end());
    names.insert(names.end(), {"SG01", "SGcmp", "SG92shadow"});
    grids_.reserve(names.size());
    byTable_.fill(-1);
    for (const auto& name : names) {
        StringGrid& grid = grids_.emplace_back(name);
        grid.SetTag(GridTableNumber(name));
        if (name.size() == 4) byTable_[GridTableNumber(name)] = static_cast<int>(grids_.size()) - 1;
    }
    // A new sheet's nationality table holds only its heading and total rows.
    Find("SG23")->SetRowCount(2);
}

StringGrid* SheetGrids::FindTable(int tableNumber) {
    if (tableNumber < 0 || tableNumber >= static_cast<int>(byTable_.size())) return nullptr;
    const int index = byTable_[tableNumber];
    return index < 0 ? nullptr : &grids_[index];
}

const StringGrid* SheetGrids::FindTable(int tableNumber) const {
    return const_cast<SheetGrids*>(this)->FindTable(tableNumber);
}

StringGrid* SheetGrids::Find(std::string_view name) {
    if (name.size() == 4 && name.starts_with("SG")) {
        const int table = GridTableNumber(name);
        if (table >= 0) return FindTable(table);
    }
    auto it = std::find_if(grids_.begin(), grids_.end(),
                           [&](const StringGrid& g) { return g.Name() == name; });
    return it == grids_.end() ? nullptr : &*it;
}

const StringGrid* SheetGrids::Find(std::string_view name) const {
    return const_cast<SheetGrids*>(this)->Find(name);
}

} // namespace tev
