#pragma once
#include "record_table.h"

#include <string>
#include <string_view>

namespace skelvora {

// The byte that ends every text field of a catalogue file (¤ in the ANSI code pages).
constexpr char kFieldMark = '\xA4';

// What a catalogue file holds: the five header integers and the records,
// slots 0 (the header texts) to RowCount (the SpareRecord).
struct CatalogueImage {
    CatalogueHeader Header;
    RecordTable Table;
};

// Parses the bytes of a catalogue file into a fresh image. A file that does
// not fit the table throws CatalogueError naming fileName and what is wrong.
CatalogueImage ParseCatalogue(std::string_view bytes, const std::string& fileName);
// Reads and parses; "Cannot open file <path>" when it cannot be read.
CatalogueImage ReadCatalogueFile(const std::string& path);

// Turns every empty text of records 1..RowCount-1 into one blank, in the
// records themselves, then returns the file's bytes.
std::string EncodeCatalogue(const CatalogueHeader& header, std::string_view primaryTitle,
                            std::string_view secondaryTitle, RecordTable& table);
// Encodes and replaces the file safely (see WriteFileAtomically).
void WriteCatalogueFile(const std::string& path, const CatalogueHeader& header,
                        std::string_view primaryTitle, std::string_view secondaryTitle,
                        RecordTable& table);

// False when a word of the text is the lone FieldMark: such a text would end
// its field early and shift every later field of the file.
bool CanStoreText(std::string_view text);

// The words of a text as the reader rebuilds them: each followed by one blank.
std::string NormaliseText(std::string_view text);

} // namespace skelvora
