// Saves that fail part-way: the previous file stays byte for byte, the error
// is reported and nothing is taken as saved.
#include "app_fixture.h"
#include "safe_file.h"
#include "tform1.h"
#include "tform3.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>

using namespace skelvora;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {
struct FaultGuard {
    ~FaultGuard() { SetWriteFaultsForTesting({}); }
};
} // namespace

class SaveFaults : public AppFixture {
protected:
    void SetUp() override
    {
        WriteBytes(file("database.ocp"), "Ann\r\nBob\r\n");
        writeCatalogue("films.fmd", {Record(1, "Alien"), Record(2, "Brazil", "", "Eva")});
        start();
        openCatalogue("films.fmd");
    }
    FaultGuard guard;
};

TEST_F(SaveFaults, CatalogueSaveAtAnyFailurePoint)
{
    const std::string before = ReadBytes(file("films.fmd"));
    app->cat.Table.at(1)->PrimaryName = "A changed name";
    const std::string lastUsed = app->settings.LastUsed;
    for (WriteFaults f : {WriteFaults{0, false}, WriteFaults{1, false}, WriteFaults{long(before.size() / 2), false},
                          WriteFaults{long(before.size()) + 5, false}, WriteFaults{-1, true}}) {
        app->cat.Modified = true;
        app->settings.LastUsed = "before";
        dialogs.clear();
        SetWriteFaultsForTesting(f);
        main().Save1->trigger();
        SetWriteFaultsForTesting({});
        EXPECT_EQ(ReadBytes(file("films.fmd")), before) << f.failAfterBytes;
        EXPECT_TRUE(app->cat.Modified) << f.failAfterBytes;
        EXPECT_EQ(app->settings.LastUsed, "before");
        ASSERT_EQ(dialogs.messages().size(), 1) << f.failAfterBytes;
        EXPECT_TRUE(dialogs.lastMessage()->text.startsWith("Cannot create file " + qfile("films.fmd")));
        EXPECT_EQ(dialogs.lastMessage()->icon, MsgIcon::Stop);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);  // no temporary left
    main().Save1->trigger();
    EXPECT_FALSE(app->cat.Modified);
    EXPECT_NE(ReadBytes(file("films.fmd")), before);
}

TEST_F(SaveFaults, OccupierFileOnAddAndOnSave)
{
    app->Form3->ComboBox1->setEditText("Cyril");
    SetWriteFaultsForTesting({4, false});
    app->Form3->btnADDOCf3->click();
    SetWriteFaultsForTesting({});
    EXPECT_EQ(ReadBytes(file("database.ocp")), "Ann\r\nBob\r\n");
    EXPECT_EQ(app->Form3->ComboBox1->count(), 3);  // the name stays in the list
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.lastMessage()->text.startsWith("Cannot create file " + qfile("database.ocp")));

    // The catalogue was written before its occupier list failed.
    app->cat.Modified = true;
    std::filesystem::remove(file("database.ocp"));
    std::filesystem::create_directory(file("database.ocp"));
    main().Save1->trigger();
    EXPECT_FALSE(app->cat.Modified);
    EXPECT_EQ(dialogs.messages().size(), 2);
    EXPECT_EQ(app->settings.LastUsed, file("films.fmd"));
}

TEST_F(SaveFaults, SettingsAtTheEnd)
{
    const std::string before = ReadBytes(file("registry.reg"));
    app->settings.Time = 42;
    SetWriteFaultsForTesting({10, false});
    main().close();
    SetWriteFaultsForTesting({});
    EXPECT_EQ(ReadBytes(file("registry.reg")), before);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.lastMessage()->text.startsWith("Cannot create file " + qfile("registry.reg")));
}
