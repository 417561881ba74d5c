#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace skelvora {

// One catalogue record. Texts are bytes in the user's ANSI code page.
class TCD {
public:
    int32_t ID = 0;
    std::string PrimaryName;
    std::string SecondaryName;
    std::string Occupier;
    int32_t RentTime = 0;
    std::string LastOccupier;
    int32_t MediaType = 0;
    int32_t RentCount = 0;

    ~TCD() = default;

    // Ends the current loan; the loan history stays.
    void ClearLoan();
    // Resets every field, in the order the file format lists them.
    void ClearAll();
};

// "" and " " both count as empty: a save turns every empty text into one
// blank, so every emptiness test of the program goes through here.
bool IsEmptyText(std::string_view text);

inline bool IsLent(const TCD& record) { return !IsEmptyText(record.Occupier); }

constexpr int kMediaTypeCount = 9;
// The names the record dialog offers, by MediaType.
const char* MediaTypeName(int mediaType);

} // namespace skelvora
