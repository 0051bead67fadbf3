#include "systems/SoundTable.h"

std::map<std::string, std::unique_ptr<SoundCell>>& SoundTable::Table() {
    static std::map<std::string, std::unique_ptr<SoundCell>> table;
    return table;
}

SoundCell* SoundTable::Find(const std::string& name) {
    auto& cell = Table()[name];
    if (cell == nullptr) {
        cell = std::make_unique<SoundCell>();
    }
    return cell.get();
}

SoundCell* SoundTable::Insert(const std::string& name, std::unique_ptr<SoundCell> cell) {
    return Table().emplace(name, std::move(cell)).first->second.get();
}

const std::map<std::string, std::unique_ptr<SoundCell>>& SoundTable::Entries() {
    return Table();
}
