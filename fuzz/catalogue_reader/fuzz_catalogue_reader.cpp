// Any bytes as a catalogue file: the reader either refuses them with its
// error or gives a table whose every slot up to the spare holds a record,
// and writing that table and reading it again is stable.
#include "catalogue_file.h"
#include "errors.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace skelvora;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        CatalogueImage img = ParseCatalogue(bytes, "fuzz.fmd");
        const auto& h = img.Header;
        if (h.RowCount < 2 || h.RowCount > kMaxRowCount)
            std::abort();
        for (int k = 0; k <= h.RowCount; ++k)
            if (!img.Table.at(k))
                std::abort();
        // Read texts hold no lone field mark, so from here a write and a read
        // give back the same bytes.
        std::string once = EncodeCatalogue(h, img.Table.at(0)->PrimaryName, img.Table.at(0)->SecondaryName, img.Table);
        CatalogueImage again = ParseCatalogue(once, "again.fmd");
        if (EncodeCatalogue(again.Header, again.Table.at(0)->PrimaryName, again.Table.at(0)->SecondaryName,
                            again.Table) != once)
            std::abort();
    } catch (const CatalogueError&) {
    }
    return 0;
}
