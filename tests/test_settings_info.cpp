#include "app_fixture.h"
#include "about_box.h"
#include "catalogue_file.h"
#include "string_grid.h"
#include "tform1.h"
#include "tform11.h"
#include "tform4.h"
#include "tform6.h"
#include "tform9.h"

#include <QAction>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolBar>
#include <unistd.h>

using namespace skelvora;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {
const int kLoan = 779046191;  // 15 March 2003, 9:41:30
}

class SettingsDialog : public AppFixture {
protected:
    TForm6& dlg() { return *app->Form6; }
    bool tooltipEaten()
    {
        QHelpEvent e(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
        return app->preview(main().ToolBar1, &e);
    }
};

TEST_F(SettingsDialog, StartUpStatesFromTheRegistry)
{
    Settings s;
    s.AutoSave = true;
    s.Time = 25;
    writeSettings(s);
    start();
    EXPECT_TRUE(dlg().CheckBox1->isChecked());
    EXPECT_TRUE(dlg().CSpinEdit1->isEnabled());
    EXPECT_EQ(dlg().CSpinEdit1->value(), 25);
    EXPECT_TRUE(dlg().Timer1->isActive());
    EXPECT_EQ(dlg().Timer1->interval(), 1500000);
    EXPECT_EQ(main().panel(4), "Autosave is active");
    EXPECT_TRUE(dlg().CheckBox2->isChecked());
    EXPECT_TRUE(dlg().CheckBox3->isEnabled());
    EXPECT_FALSE(dlg().CheckBox4->isEnabled());  // no last used catalogue yet
    EXPECT_EQ(dlg().windowTitle(), "Settings");
    EXPECT_EQ(dlg().CSpinEdit1->minimum(), 1);
    EXPECT_EQ(dlg().CSpinEdit1->maximum(), 60);
}

TEST_F(SettingsDialog, OkStoresInMemoryAndTheRegistryGetsItAtTheEnd)
{
    Settings s;
    s.Time = 25;  // autosave off: the spin box shows 10 whatever Time holds
    writeSettings(s);
    start();
    EXPECT_EQ(dlg().CSpinEdit1->value(), 10);
    EXPECT_FALSE(dlg().Timer1->isActive());
    main().Settings1->trigger();
    EXPECT_TRUE(dlg().isVisible());
    EXPECT_FALSE(dlg().CSpinEdit1->isEnabled());
    dlg().CheckBox1->click();
    EXPECT_TRUE(dlg().CSpinEdit1->isEnabled());
    dlg().btnOKf6->click();
    EXPECT_FALSE(dlg().isVisible());
    EXPECT_TRUE(app->settings.AutoSave);
    EXPECT_EQ(app->settings.Time, 10);
    EXPECT_EQ(dlg().Timer1->interval(), 600000);
    EXPECT_TRUE(dlg().Timer1->isActive());
    EXPECT_EQ(main().panel(4), "Autosave is active");
    Registry reg(file("registry.reg"));
    Settings stored;
    ReadSettings(reg, stored);
    EXPECT_FALSE(stored.AutoSave);
    main().close();
    ReadSettings(reg, stored);
    EXPECT_TRUE(stored.AutoSave);
    EXPECT_EQ(stored.Time, 10);
}

TEST_F(SettingsDialog, ColourChangeThenCancel)
{
    start();
    dialogs.colors.push_back(QColor(255, 0, 0));
    main().Settings1->trigger();
    dlg().btnChangef6->click();
    EXPECT_FALSE(app->cat.Modified);  // no catalogue: nothing becomes unsaved
    dlg().btnCANCELf6->click();

    writeCatalogue("films.fmd", {Record(1, "Alien")});
    openCatalogue("films.fmd");
    main().Settings1->trigger();
    dlg().ForegroundItem->setChecked(true);
    dialogs.colors.push_back(QColor(0, 0, 255));
    dlg().btnChangef6->click();
    EXPECT_TRUE(app->cat.Modified);
    dlg().btnCANCELf6->click();
    tick();
    EXPECT_TRUE(main().Save1->isEnabled());
    EXPECT_EQ(main().StringGrid1->FontColor(), int32_t(0xFF000008u));  // the grid keeps its colour
    main().Save1->trigger();
    EXPECT_EQ(ParseCatalogue(ReadBytes(file("films.fmd")), "x").Header.FontColor, 0xFF0000);

    // OK applies the colours to both grids.
    main().Settings1->trigger();
    dlg().BackgroundItem->setChecked(true);
    dialogs.colors.push_back(QColor(0, 128, 0));
    dlg().btnChangef6->click();
    dlg().btnOKf6->click();
    EXPECT_EQ(main().StringGrid1->GridColor(), 0x008000);
    EXPECT_EQ(app->Form4->StringGrid1->GridColor(), 0x008000);
}

TEST_F(SettingsDialog, HintSwitches)
{
    start();
    EXPECT_FALSE(tooltipEaten());
    main().Settings1->trigger();
    dlg().CheckBox3->click();
    dlg().btnOKf6->click();
    EXPECT_EQ(main().ToolButton1->toolTip(), "Save database (Ctrl+S)");
    EXPECT_EQ(main().ToolButton14->toolTip(), "Remove record (Alt+R)");

    main().Settings1->trigger();
    dlg().CheckBox2->click();  // "Show hint" off disables its companion at once
    EXPECT_FALSE(dlg().CheckBox3->isEnabled());
    dlg().btnOKf6->click();
    EXPECT_FALSE(app->settings.Hint);
    EXPECT_TRUE(tooltipEaten());
}

TEST_F(SettingsDialog, AutoOpenBoxWaitsForALastUsedCatalogue)
{
    start();
    EXPECT_FALSE(dlg().CheckBox4->isEnabled());
    writeCatalogue("films.fmd", {Record(1, "Alien")});
    openCatalogue("films.fmd");
    EXPECT_TRUE(dlg().CheckBox4->isEnabled());
}

TEST_F(SettingsDialog, AutosaveWritesOnEveryTickAndReportsAFailureOnce)
{
    writeCatalogue("films.fmd", {Record(1, "Alien")});
    start();
    dlg().Timer1Timer();  // no catalogue: nothing happens
    EXPECT_TRUE(dialogs.messages().isEmpty());
    openCatalogue("films.fmd");
    WriteBytes(file("films.fmd"), "scribbled over");
    ASSERT_FALSE(app->cat.Modified);
    dlg().Timer1Timer();
    EXPECT_EQ(ReadCatalogueFile(file("films.fmd")).Table.at(1)->PrimaryName, "Alien ");

    app->cat.Modified = true;
    std::filesystem::remove(file("films.fmd"));
    std::filesystem::create_directory(file("films.fmd"));
    dlg().Timer1Timer();
    dlg().Timer1Timer();
    EXPECT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(app->cat.Modified);
    std::filesystem::remove(file("films.fmd"));
    dlg().Timer1Timer();
    EXPECT_FALSE(app->cat.Modified);
    std::filesystem::remove(file("films.fmd"));
    std::filesystem::create_directory(file("films.fmd"));
    dlg().Timer1Timer();
    EXPECT_EQ(dialogs.messages().size(), 2);  // a new streak is reported again
}

class RecordInfo : public AppFixture {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(file("icons"));
        for (const auto& e : std::filesystem::directory_iterator(SKELVORA_SOURCE_DIR "/korvant/icons"))
            std::filesystem::copy_file(e.path(), file("icons/" + e.path().filename().string()));
        writeCatalogue("films.fmd", {Record(1, "Alien", "Vetrelec", "Eva", kLoan, 2, 3, "Eva"),
                                     Record(2, "Brazil", "", " ", 0, 3, 1, "Bob"), Record(3, "Casablanca", "", "", 0, 9),
                                     Record(4, "Dune", "", "", 0, 7)},
                        "Film", "Original");
        start();
        openCatalogue("films.fmd");
    }
    TForm11& w() { return *app->Form11; }
    void show(int row)
    {
        select(row);
        main().ToolButton19->trigger();
    }
};

TEST_F(RecordInfo, ShowsTheRecordsRows)
{
    show(1);
    ASSERT_TRUE(w().isVisible());
    EXPECT_EQ(w().windowTitle(), "Record information");
    EXPECT_EQ(w().Label3->text(), "1");
    EXPECT_EQ(w().Label4->text(), "Film :");
    EXPECT_EQ(w().Label5->text(), "Alien ");
    EXPECT_EQ(w().Label6->text(), "Original :");
    EXPECT_EQ(w().Label7->text(), "Vetrelec ");
    EXPECT_EQ(w().Label9->text(), "DVD");
    EXPECT_EQ(w().Label11->text(), "Eva ");
    EXPECT_EQ(w().Label13->text(), "Saturday, 15. March 2003, 9:41:30");
    EXPECT_EQ(w().Label15->text(), "Eva ");
    EXPECT_EQ(w().Label17->text(), "3");
    ASSERT_FALSE(w().Image3->pixmap().isNull());
    EXPECT_EQ(w().Image3->pixmap().size(), QSize(33, 33));
    EXPECT_FALSE(w().Image3->pixmap().mask().isNull());  // the background is transparent

    show(2);  // returned: " " is not lent
    EXPECT_EQ(w().Label9->text(), "VHS casette");
    EXPECT_EQ(w().Label11->text(), "Film is no lent");
    EXPECT_EQ(w().Label13->text(), "Film is no lent");
    EXPECT_EQ(w().Label15->text(), "Bob ");
    EXPECT_EQ(w().Label17->text(), "1");

    show(3);  // never lent, and a media type outside the list
    EXPECT_EQ(w().Label15->text(), "Film was not lent yet");
    EXPECT_EQ(w().Label17->text(), "0");
    EXPECT_EQ(w().Label9->text(), "VHS casette");  // kept from before

    show(4);
    EXPECT_EQ(w().Label9->text(), "LP desk");
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(RecordInfo, PicturesComeFromTheProgramFolderWhateverTheWorkingFolder)
{
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path("/");
    show(4);
    std::filesystem::current_path(cwd);
    EXPECT_FALSE(w().Image3->pixmap().isNull());
    EXPECT_TRUE(dialogs.messages().isEmpty());

    std::filesystem::remove(file("icons/dvd.bmp"));
    show(1);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.lastMessage()->text.contains(qfile("icons/dvd.bmp")));
    EXPECT_EQ(w().Label11->text(), "Eva ");  // the text rows were filled all the same
    EXPECT_EQ(w().Label17->text(), "3");
}

TEST_F(RecordInfo, TitlesFollowTheOpenCatalogue)
{
    show(1);
    writeCatalogue("other.fmd", {Record(1, "X")}, "Album", "Artist");
    openCatalogue("other.fmd");
    show(1);
    EXPECT_EQ(w().Label4->text(), "Album :");
    EXPECT_EQ(w().Label6->text(), "Artist :");
}

TEST(Properties, CapacityAndSizeTexts)
{
    EXPECT_EQ(FreeCapacityText(1), "1998/1999 (99%)");
    EXPECT_EQ(FreeCapacityText(20), "1979/1999 (98%)");
    EXPECT_EQ(FreeCapacityText(1000), "999/1999 (49%)");
    EXPECT_EQ(FreeCapacityText(1980), "19/1999 (0%)");
    EXPECT_EQ(FreeCapacityText(1999), "0/1999 (0%)");
    EXPECT_EQ(SizeText(700), "0 KB (700 bytes)");
    EXPECT_EQ(SizeText(2048), "2 KB (2048 bytes)");
}

class PropertiesWindow : public AppFixture {};

TEST_F(PropertiesWindow, DescribesTheFileAndTheCollection)
{
    writeCatalogue("films.fmd", {Record(1, "Alien", "", "Eva"), Record(2, "Brazil")});
    start();
    openCatalogue("films.fmd");
    TForm9& w = *app->Form9;
    EXPECT_EQ(w.Label25->text(), "11. December 2026, 14:05:07");  // accessed when opened
    const auto size = std::filesystem::file_size(file("films.fmd"));
    app->cat.Table.at(1)->PrimaryName = "A much longer name that is not saved yet";
    main().Properties1->trigger();
    ASSERT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), "Skelvora Properties");
    EXPECT_EQ(w.Label5->text(), "films.fmd");
    EXPECT_EQ(w.Label16->text(), "films.fmd");
    EXPECT_EQ(w.Label9->text(), QString::fromStdString(dir.path() + "/"));
    EXPECT_EQ(w.Label10->text(), SizeText(qint64(size)));  // unsaved changes are not counted
    EXPECT_EQ(w.Label12->text(), "14. March 2025, 10:00:00");
    EXPECT_FALSE(w.Label13->text().isEmpty());
    EXPECT_EQ(w.Label18->text(), "2");
    EXPECT_EQ(w.Label20->text(), "1");
    EXPECT_EQ(w.Label23->text(), "1997/1999 (99%)");

    dialogs.files.push_back(qfile("copy.fmd"));
    main().SaveAs1->trigger();
    main().Properties1->trigger();
    EXPECT_EQ(w.Label12->text(), "11. December 2026, 14:05:06");  // packed to even seconds

    std::filesystem::remove(file("copy.fmd"));
    main().Properties1->trigger();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.lastMessage()->text.contains(qfile("copy.fmd")));
}

TEST_F(PropertiesWindow, DamagedCreationTimeShowsEmptyAndTheRest)
{
    writeCatalogue("films.fmd", {Record(1, "Alien")});
    std::string bytes = ReadBytes(file("films.fmd"));
    bytes.replace(bytes.find(' '), bytes.find(' ', 2) - bytes.find(' '), " 1");  // CreatedTime 1: day 0
    WriteBytes(file("films.fmd"), bytes);
    start();
    openCatalogue("films.fmd");
    main().Properties1->trigger();
    EXPECT_TRUE(app->Form9->isVisible());
    EXPECT_EQ(app->Form9->Label12->text(), "");
    EXPECT_EQ(app->Form9->Label18->text(), "1");
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(PropertiesWindow, AboutBox)
{
    start();
    main().About1->trigger();
    TAboutBox& about = *app->AboutBox;
    EXPECT_TRUE(about.isVisible());
    EXPECT_EQ(about.windowTitle(), "About");
    EXPECT_EQ(about.ProductName->text(), "Skelvora");
    EXPECT_EQ(about.Copyright->text(), "Freeware");
    EXPECT_TRUE(about.Version->text().contains(SKELVORA_VERSION_TEXT));
    EXPECT_TRUE(about.Comments->text().contains("mailto:"));
    about.OKButton->click();
    EXPECT_FALSE(about.isVisible());
}
