#include "catalogue_file.h"
#include "errors.h"
#include "safe_file.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace skelvora;
using testsupport::ReadBytes;
using testsupport::TempDir;
using testsupport::WriteBytes;

namespace {

const std::string kMark = "\xA4";

// The worked example: two records, white background, system text colour.
std::string WorkedExampleBytes()
{
    return "3 807489536 2 16777215 -16777208 "
           "1 7 0 0 "
           "2 2 779046191 3 "
           "Primary name \xA4 Secondary name \xA4 RentTime \xA4 Last_occupier \xA4 "
           "Blue Harbour \xA4   \xA4   \xA4   \xA4 "
           "Night Train \xA4 Nachtzug \xA4 Flat Mate \xA4 Flat Mate \xA4 ";
}

CatalogueHeader WorkedHeader()
{
    CatalogueHeader h;
    h.RowCount = 3;
    h.CreatedTime = 807489536;
    h.LastID = 2;
    h.GridColor = 16777215;
    h.FontColor = int32_t(0xFF000008u);
    return h;
}

void FillWorkedRecords(RecordTable& t)
{
    TCD& a = t.reset(1);
    a.ID = 1;
    a.MediaType = 7;
    a.PrimaryName = "Blue Harbour";
    TCD& b = t.reset(2);
    b.ID = 2;
    b.MediaType = 2;
    b.RentTime = 779046191;
    b.RentCount = 3;
    b.PrimaryName = "Night Train";
    b.SecondaryName = "Nachtzug";
    b.Occupier = "Flat Mate";
    b.LastOccupier = "Flat Mate";
}

} // namespace

TEST(CatalogueFile, WorkedExampleWritesExactBytesAndBlanksEmptyTexts)
{
    RecordTable t;
    FillWorkedRecords(t);
    EXPECT_EQ(EncodeCatalogue(WorkedHeader(), "Primary name", "Secondary name", t), WorkedExampleBytes());
    // The writer turned the empty texts into single blanks in the record itself.
    EXPECT_EQ(t.at(1)->SecondaryName, " ");
    EXPECT_EQ(t.at(1)->Occupier, " ");
    EXPECT_EQ(t.at(1)->LastOccupier, " ");
    EXPECT_EQ(t.at(2)->SecondaryName, "Nachtzug");
}

TEST(CatalogueFile, WorkedExampleReadsBackTheListedTexts)
{
    CatalogueImage img = ParseCatalogue(WorkedExampleBytes(), "example.fmd");
    EXPECT_EQ(img.Header.RowCount, 3);
    EXPECT_EQ(img.Header.CreatedTime, 807489536);
    EXPECT_EQ(img.Header.LastID, 2);
    EXPECT_EQ(img.Header.GridColor, 16777215);
    EXPECT_EQ(uint32_t(img.Header.FontColor), 0xFF000008u);

    const TCD& h = *img.Table.at(0);
    EXPECT_EQ(h.PrimaryName, "Primary name ");
    EXPECT_EQ(h.SecondaryName, "Secondary name ");
    EXPECT_EQ(h.Occupier, "RentTime ");
    EXPECT_EQ(h.LastOccupier, "Last_occupier ");

    const TCD& a = *img.Table.at(1);
    EXPECT_EQ(a.ID, 1);
    EXPECT_EQ(a.MediaType, 7);
    EXPECT_EQ(a.PrimaryName, "Blue Harbour ");
    EXPECT_EQ(a.SecondaryName, "");
    EXPECT_EQ(a.Occupier, "");
    EXPECT_EQ(a.LastOccupier, "");

    const TCD& b = *img.Table.at(2);
    EXPECT_EQ(b.ID, 2);
    EXPECT_EQ(b.MediaType, 2);
    EXPECT_EQ(b.RentTime, 779046191);
    EXPECT_EQ(b.RentCount, 3);
    EXPECT_EQ(b.PrimaryName, "Night Train ");
    EXPECT_EQ(b.SecondaryName, "Nachtzug ");
    EXPECT_EQ(b.Occupier, "Flat Mate ");
    EXPECT_EQ(b.LastOccupier, "Flat Mate ");

    // The SpareRecord sits in slot RowCount, empty.
    ASSERT_NE(img.Table.at(3), nullptr);
    EXPECT_EQ(img.Table.at(3)->PrimaryName, "");
    EXPECT_EQ(img.Table.at(4), nullptr);
}

TEST(CatalogueFile, SecondWriteIsStableAndHasNoLineBreaks)
{
    CatalogueImage img = ParseCatalogue(WorkedExampleBytes(), "x");
    std::string first = EncodeCatalogue(img.Header, "Primary name ", "Secondary name ", img.Table);
    CatalogueImage again = ParseCatalogue(first, "x");
    std::string second = EncodeCatalogue(again.Header, "Primary name ", "Secondary name ", again.Table);
    EXPECT_EQ(first, second);
    EXPECT_NE(first.find("Nachtzug  \xA4 "), std::string::npos);  // two blanks before the mark
    EXPECT_EQ(first.find_first_of("\r\n"), std::string::npos);
}

TEST(CatalogueFile, TextNormalisations)
{
    struct Case {
        std::string stored, readBack;
    } cases[] = {
        {"Star  Wars", "Star Wars "},
        {"  Alien", "Alien "},
        {"   ", ""},
        {"Nachtzug ", "Nachtzug "},
        {"5\xA4", "5\xA4 "},          // the mark inside a word survives
        {"Tab\there", "Tab here "},
        {std::string(300, 'x'), std::string(300, 'x') + " "},  // long words are read whole
    };
    for (const auto& c : cases) {
        RecordTable t;
        TCD& r = t.reset(1);
        r.PrimaryName = c.stored;
        r.LastOccupier = "last";
        CatalogueHeader h;
        h.RowCount = 2;
        CatalogueImage img = ParseCatalogue(EncodeCatalogue(h, "A", "B", t), "x");
        EXPECT_EQ(img.Table.at(1)->PrimaryName, c.readBack) << c.stored;
        EXPECT_EQ(img.Table.at(1)->LastOccupier, "last ") << c.stored;
        EXPECT_EQ(NormaliseText(c.stored), c.readBack);
    }
}

TEST(CatalogueFile, LoneFieldMarkShiftsFieldsAndIsReportedAsUnstorable)
{
    EXPECT_TRUE(CanStoreText("5\xA4 and \xA4x"));
    EXPECT_FALSE(CanStoreText("Price \xA4 5"));
    EXPECT_FALSE(CanStoreText("\xA4"));

    RecordTable t;
    TCD& r = t.reset(1);
    r.PrimaryName = "A \xA4 B";
    r.SecondaryName = "second";
    CatalogueHeader h;
    h.RowCount = 2;
    // One mark too many for the table: the reader refuses the file.
    EXPECT_THROW(ParseCatalogue(EncodeCatalogue(h, "P", "S", t), "shifted.fmd"), CatalogueError);
}

TEST(CatalogueFile, NegativeNumbersSurvive)
{
    RecordTable t;
    TCD& r = t.reset(1);
    r.ID = -5;
    r.RentTime = -2145320960;  // a loan begun in 2044
    r.Occupier = "Ann";
    CatalogueHeader h;
    h.RowCount = 2;
    h.FontColor = int32_t(0xFF000008u);
    h.GridColor = int32_t(0xFF00000Fu);
    std::string bytes = EncodeCatalogue(h, "P", "S", t);
    EXPECT_EQ(bytes.rfind("2 0 0 -16777201 -16777208 -5 0 -2145320960 0 ", 0), 0u) << bytes;
    CatalogueImage img = ParseCatalogue(bytes, "x");
    EXPECT_EQ(uint32_t(img.Header.FontColor), 0xFF000008u);
    EXPECT_EQ(img.Table.at(1)->RentTime, -2145320960);
    EXPECT_EQ(img.Table.at(1)->ID, -5);
}

TEST(CatalogueFile, PlaceholderCatalogueHasEightMarksAndFullCatalogueUsesTheSpareSlot)
{
    RecordTable t;
    t.reset(1);
    CatalogueHeader h;
    h.RowCount = 2;
    std::string bytes = EncodeCatalogue(h, "Primary name", "Secondary name", t);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\xA4'), 8);
    EXPECT_EQ(bytes.rfind("2 0 0 16777215 -16777208 0 0 0 0 ", 0), 0u);

    RecordTable full;
    CatalogueHeader fh;
    fh.RowCount = kMaxRowCount;
    for (int k = 1; k < kMaxRowCount; ++k) {
        TCD& r = full.reset(k);
        r.ID = k;
        r.PrimaryName = "Item " + std::to_string(k);
    }
    std::string fullBytes = EncodeCatalogue(fh, "A", "B", full);
    EXPECT_EQ(std::count(fullBytes.begin(), fullBytes.end(), '\xA4'), 4 * kMaxRowCount);
    CatalogueImage img = ParseCatalogue(fullBytes, "full.fmd");
    EXPECT_EQ(img.Table.at(1999)->PrimaryName, "Item 1999 ");
    ASSERT_NE(img.Table.at(2000), nullptr);  // the SpareRecord
    EXPECT_EQ(img.Table.at(2000)->PrimaryName, "");
}

TEST(CatalogueFile, MissingTrailingNumbersAndTextsReadAsZeroAndEmpty)
{
    CatalogueImage img = ParseCatalogue("3 1 2 3 4 5 1 2", "short.fmd");
    EXPECT_EQ(img.Table.at(1)->ID, 5);
    EXPECT_EQ(img.Table.at(1)->MediaType, 1);
    EXPECT_EQ(img.Table.at(1)->RentTime, 2);
    EXPECT_EQ(img.Table.at(1)->RentCount, 0);
    EXPECT_EQ(img.Table.at(2)->ID, 0);
    EXPECT_EQ(img.Table.at(2)->PrimaryName, "");
}

TEST(CatalogueFile, DamagedFilesAreRefusedWithTheirNameAndReason)
{
    struct Case {
        const char* what;
        std::string bytes;
        const char* mentions;
    } cases[] = {
        {"empty file", "", "row count 0"},
        {"row count 1", "1 0 0 0 0 ", "row count 1"},
        {"row count 2001", "2001 0 0 0 0 ", "row count 2001"},
        {"negative row count", "-3 0 0 0 0 ", "row count -3"},
        {"text for a number", "2 0 abc 0 0 1 0 0 0 ", "abc"},
        {"number out of range", "2 99999999999 1 0 0 1 0 0 0 ", "99999999999"},
        {"texts where record numbers belong", "3 0 1 0 0 1 0 0 0 Blue \xA4 ", "Blue"},
        {"too many field marks", "2 0 1 0 0 1 0 0 0 " + std::string(9 * 3, ' ') + [] {
             std::string s;
             for (int i = 0; i < 9; ++i) s += "x \xA4 ";
             return s;
         }(), "field marks"},
        {"a foreign text file", "Hello, this is no catalogue\n", "Hello,"},
    };
    for (const auto& c : cases) {
        try {
            ParseCatalogue(c.bytes, "/data/broken.fmd");
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const CatalogueError& e) {
            std::string msg = e.what();
            EXPECT_NE(msg.find("/data/broken.fmd"), std::string::npos) << c.what << ": " << msg;
            EXPECT_NE(msg.find(c.mentions), std::string::npos) << c.what << ": " << msg;
        }
    }
}

TEST(CatalogueFile, ExactlyFourMarksPerRowAreAccepted)
{
    std::string bytes = "2 0 1 0 0 1 0 0 0 ";
    for (int i = 0; i < 8; ++i)
        bytes += "w \xA4 ";
    EXPECT_NO_THROW(ParseCatalogue(bytes, "x"));
    EXPECT_THROW(ParseCatalogue(bytes + "\xA4 ", "x"), CatalogueError);
}

TEST(CatalogueFile, FileRoundTripAndUnreadableFile)
{
    TempDir dir;
    RecordTable t;
    FillWorkedRecords(t);
    const std::string path = dir.file("films.fmd");
    WriteCatalogueFile(path, WorkedHeader(), "Primary name", "Secondary name", t);
    EXPECT_EQ(ReadBytes(path), WorkedExampleBytes());
    CatalogueImage img = ReadCatalogueFile(path);
    EXPECT_EQ(img.Table.at(2)->Occupier, "Flat Mate ");

    try {
        ReadCatalogueFile(dir.file("gone.fmd"));
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + dir.file("gone.fmd"));
    }
}

TEST(CatalogueFile, FailedSaveLeavesThePreviousFileByteIdentical)
{
    TempDir dir;
    const std::string path = dir.file("films.fmd");
    WriteBytes(path, WorkedExampleBytes());
    RecordTable t;
    FillWorkedRecords(t);
    t.at(1)->PrimaryName = "Changed";

    for (long after : {0L, 1L, 40L, 150L}) {
        SetWriteFaultsForTesting({after, false});
        EXPECT_THROW(WriteCatalogueFile(path, WorkedHeader(), "P", "S", t), FileError) << after;
        EXPECT_EQ(ReadBytes(path), WorkedExampleBytes()) << after;
    }
    SetWriteFaultsForTesting({-1, true});
    EXPECT_THROW(WriteCatalogueFile(path, WorkedHeader(), "P", "S", t), FileError);
    SetWriteFaultsForTesting({});
    EXPECT_EQ(ReadBytes(path), WorkedExampleBytes());
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

    // A folder that does not exist, and a target that is a folder.
    EXPECT_THROW(WriteCatalogueFile(dir.file("no/such/films.fmd"), WorkedHeader(), "P", "S", t), FileError);
    std::filesystem::create_directory(dir.file("folder.fmd"));
    try {
        WriteCatalogueFile(dir.file("folder.fmd"), WorkedHeader(), "P", "S", t);
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot create file " + dir.file("folder.fmd"), 0), 0u);
    }
}

TEST(CatalogueFile, SaveThroughASymbolicLinkKeepsTheLink)
{
    TempDir dir;
    RecordTable t;
    FillWorkedRecords(t);
    WriteBytes(dir.file("real.fmd"), "old");
    std::filesystem::create_symlink(dir.file("real.fmd"), dir.file("link.fmd"));
    WriteCatalogueFile(dir.file("link.fmd"), WorkedHeader(), "Primary name", "Secondary name", t);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.fmd")));
    EXPECT_EQ(ReadBytes(dir.file("real.fmd")), WorkedExampleBytes());
}

// A save loop killed at random moments, many times: the file always reads
// as either the old or the new catalogue, never as half of one.
TEST(CatalogueFile, KilledSavesLeaveTheOldOrTheNewFile)
{
    TempDir dir;
    const std::string path = dir.file("films.fmd");
    RecordTable a, b;
    FillWorkedRecords(a);
    for (int k = 1; k < 400; ++k) {
        TCD& r = b.reset(k);
        r.ID = k;
        r.PrimaryName = "A somewhat longer name for record " + std::to_string(k);
    }
    CatalogueHeader hb;
    hb.RowCount = 400;
    const std::string bytesA = EncodeCatalogue(WorkedHeader(), "P", "S", a);
    const std::string bytesB = EncodeCatalogue(hb, "P", "S", b);
    WriteBytes(path, bytesA);

    std::srand(12345);
    for (int round = 0; round < 150; ++round) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (unsigned i = 0;; ++i) {
                try {
                    WriteFileAtomically(path, i % 2 ? bytesA : bytesB);
                } catch (...) {
                    _exit(3);
                }
            }
        }
        usleep(useconds_t(200 + std::rand() % 3000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the save loop stopped by itself";
        const std::string now = ReadBytes(path);
        ASSERT_TRUE(now == bytesA || now == bytesB) << "round " << round << ": " << now.size() << " bytes";
        ASSERT_NO_THROW(ParseCatalogue(now, path));
    }
}
