#pragma once
#include "record_table.h"

namespace skelvora {

enum class SortKey { PrimaryName, SecondaryName, ID };

// Stable ascending order of records 1..rowCount-1 by one key: texts byte by
// byte as unsigned values (no locale, no case folding), IDs as signed numbers.
// Records move whole; nothing is allocated per record.
void SortRecords(RecordTable& table, int rowCount, SortKey key);

} // namespace skelvora
