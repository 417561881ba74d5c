#include "tcd.h"

namespace skelvora {

void TCD::ClearLoan()
{
    Occupier.clear();
    RentTime = 0;
}

void TCD::ClearAll()
{
    ID = 0;
    PrimaryName.clear();
    SecondaryName.clear();
    Occupier.clear();
    RentTime = 0;
    MediaType = 0;
    RentCount = 0;
    LastOccupier.clear();
}

bool IsEmptyText(std::string_view text)
{
    return text.empty() || text == " ";
}

const char* MediaTypeName(int mediaType)
{
    static const char* const names[kMediaTypeCount] = {
        "DivX CD", "VideoCD", "DVD", "VHS casette", "Audio CD",
        "Data CD", "MG casette", "LP desk", "MP3 album",
    };
    if (mediaType < 0 || mediaType >= kMediaTypeCount)
        return "";
    return names[mediaType];
}

} // namespace skelvora
