#pragma once
#include "tcd.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace skelvora {

constexpr int kMaxRowCount = 2000;   // title row + 1999 records
constexpr int kCapacity = kMaxRowCount - 1;
constexpr int kTableSlots = 2000;

// The record slots, slot 0 the HeaderRecord, slot k shown in grid row k.
// One slot more than the 2000 of the table holds the SpareRecord that the
// reader leaves behind a full catalogue; nothing reads it.
class RecordTable {
public:
    static constexpr int kSlotCount = kTableSlots + 1;

    TCD* at(int slot) const;            // nullptr when the slot is empty
    TCD& ensure(int slot);              // creates an empty record if needed
    TCD& reset(int slot);               // a fresh, empty record
    void put(int slot, std::unique_ptr<TCD> record);
    std::unique_ptr<TCD> take(int slot);
    void swap(int a, int b) { slots_.at(a).swap(slots_.at(b)); }
    void DiscardAll();

private:
    std::array<std::unique_ptr<TCD>, kSlotCount> slots_;
};

struct CatalogueHeader {
    int32_t RowCount = 2;
    int32_t CreatedTime = 0;
    int32_t LastID = 0;
    int32_t GridColor = 0x00FFFFFF;            // white
    int32_t FontColor = int32_t(0xFF000008u);  // the system window-text colour
};

// The one open catalogue: table, header values and run-time values.
struct Catalogue {
    RecordTable Table;
    // Mirror of the main grid's row count (title row included).
    int RowCount = 2;
    int32_t CreatedTime = 0;
    int32_t LastID = 0;
    int32_t GridColor = 0x00FFFFFF;
    int32_t FontColor = int32_t(0xFF000008u);

    std::string DatabasePath;
    std::string DatabaseName;
    std::string SavePrompt;
    bool Modified = false;
    bool DatabaseOpen = false;
    int LentCount = 0;

    // DatabasePath and what follows from it: the name and the save prompt.
    void SetDatabasePath(const std::string& path);
    // LentCount <- records in slots 1..RowCount-1 that are lent.
    void CountLent();
    int CountLentRecords() const;

    // Runs f on every shown record whose ID is id, in table order; returns
    // how many there were.
    template <class F>
    int ForEachWithId(int32_t id, F f)
    {
        int n = 0;
        for (int k = 1; k < RowCount; ++k)
            if (TCD* r = Table.at(k); r && r->ID == id) {
                ++n;
                f(*r);
            }
        return n;
    }
    // Whether record is one of the shown rows (a dialog's target may have gone).
    bool Shows(const TCD* record) const;
};

// The last component of a path: name and extension, no folder.
std::string FileNamePart(const std::string& path);
// The folder of a path with its trailing separator.
std::string DirectoryPart(const std::string& path);

} // namespace skelvora
