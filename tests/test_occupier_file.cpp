#include "errors.h"
#include "occupier_file.h"
#include "safe_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace skelvora;
using testsupport::ReadBytes;
using testsupport::TempDir;
using testsupport::WriteBytes;
using List = std::vector<std::string>;

TEST(OccupierFile, LineEndVariants)
{
    struct Case {
        const char* what;
        std::string bytes;
        List entries;
    } cases[] = {
        {"CR LF", "Zoe\r\nadam\r\nBob\r\n", {"Zoe", "adam", "Bob"}},
        {"LF only", "Zoe\nadam\nBob\n", {"Zoe", "adam", "Bob"}},
        {"CR only", "Zoe\radam\rBob\r", {"Zoe", "adam", "Bob"}},
        {"no final line end", "Zoe\r\nadam\r\nBob", {"Zoe", "adam", "Bob"}},
        {"empty lines kept", "Zoe\r\n\r\nBob\n\n", {"Zoe", "", "Bob", ""}},
        {"NUL ends the text", std::string("Zoe\r\nad\0am\r\nBob\r\n", 18), {"Zoe", "ad"}},
        {"LF CR is two line ends", "a\n\rb", {"a", "", "b"}},
        {"empty file", "", {}},
        {"bytes kept as they are", "Ji\xF8\xED\r\n  Eva \r\n", {"Ji\xF8\xED", "  Eva "}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseOccupierText(c.bytes), c.entries) << c.what;
}

TEST(OccupierFile, WritesCrLfAfterEveryEntryAndEmptyListAsEmptyFile)
{
    TempDir dir;
    const std::string path = dir.file("database.ocp");
    SaveOccupierFile(path, {"Bob", "Bob", "", "Zoe"});
    EXPECT_EQ(ReadBytes(path), "Bob\r\nBob\r\n\r\nZoe\r\n");
    EXPECT_EQ(LoadOccupierFile(path), (List{"Bob", "Bob", "", "Zoe"}));
    SaveOccupierFile(path, {});
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

TEST(OccupierFile, MissingFileIsEmptyButUnreadableOrUnwritableIsReported)
{
    TempDir dir;
    EXPECT_EQ(LoadOccupierFile(dir.file("database.ocp")), List{});

    std::filesystem::create_directory(dir.file("folder.ocp"));
    try {
        LoadOccupierFile(dir.file("folder.ocp"));
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot open file " + dir.file("folder.ocp"), 0), 0u);
    }

    const std::string path = dir.file("database.ocp");
    WriteBytes(path, "Ann\r\n");
    SetWriteFaultsForTesting({3, false});
    try {
        SaveOccupierFile(path, {"Ann", "Bob"});
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot create file " + path, 0), 0u);
    }
    SetWriteFaultsForTesting({});
    EXPECT_EQ(ReadBytes(path), "Ann\r\n");
    EXPECT_THROW(SaveOccupierFile(dir.file("missing/database.ocp"), {"x"}), FileError);
}
