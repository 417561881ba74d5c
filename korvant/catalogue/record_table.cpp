#include "record_table.h"

namespace skelvora {

TCD* RecordTable::at(int slot) const
{
    if (slot < 0 || slot >= kSlotCount)
        return nullptr;
    return slots_[slot].get();
}

TCD& RecordTable::ensure(int slot)
{
    auto& p = slots_.at(slot);
    if (!p)
        p = std::make_unique<TCD>();
    return *p;
}

TCD& RecordTable::reset(int slot)
{
    auto& p = slots_.at(slot);
    p = std::make_unique<TCD>();
    return *p;
}

void RecordTable::put(int slot, std::unique_ptr<TCD> record)
{
    slots_.at(slot) = std::move(record);
}

std::unique_ptr<TCD> RecordTable::take(int slot)
{
    return std::move(slots_.at(slot));
}

void RecordTable::DiscardAll()
{
    for (auto& p : slots_)
        p.reset();
}

void Catalogue::SetDatabasePath(const std::string& path)
{
    DatabasePath = path;
    DatabaseName = FileNamePart(path);
    SavePrompt = "Database " + DatabaseName + " was changed. Do you want save it?";
}

int Catalogue::CountLentRecords() const
{
    int n = 0;
    for (int k = 1; k < RowCount; ++k)
        if (const TCD* r = Table.at(k); r && IsLent(*r))
            ++n;
    return n;
}

bool Catalogue::Shows(const TCD* record) const
{
    if (!record)
        return false;
    for (int k = 1; k < RowCount; ++k)
        if (Table.at(k) == record)
            return true;
    return false;
}

void Catalogue::CountLent()
{
    LentCount = CountLentRecords();
}

std::string FileNamePart(const std::string& path)
{
    auto pos = path.find_last_of('/');
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

std::string DirectoryPart(const std::string& path)
{
    auto pos = path.find_last_of('/');
    return pos == std::string::npos ? std::string() : path.substr(0, pos + 1);
}

} // namespace skelvora
