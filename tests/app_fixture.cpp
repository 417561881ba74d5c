#include "app_fixture.h"
#include "catalogue_file.h"
#include "tform1.h"

#include <QApplication>

using namespace skelvora;

TCD Record(int id, const std::string& primary, const std::string& secondary, const std::string& occupier,
           int rentTime, int mediaType, int rentCount, const std::string& last)
{
    TCD r;
    r.ID = id;
    r.PrimaryName = primary;
    r.SecondaryName = secondary;
    r.Occupier = occupier;
    r.RentTime = rentTime;
    r.MediaType = mediaType;
    r.RentCount = rentCount;
    r.LastOccupier = last;
    return r;
}

AppFixture::AppFixture()
{
    writeSettings(Settings{});
}

AppFixture::~AppFixture()
{
    app.reset();
    QApplication::processEvents();
}

void AppFixture::writeSettings(const Settings& s)
{
    Registry reg(file("registry.reg"));
    WriteSettings(reg, s);
}

void AppFixture::start()
{
    Services services{dialogs, clock, locks, codePage, LocaleNames::English(), dir.path() + "/",
                      file("registry.reg")};
    app = std::make_unique<KorvantApp>(services);
    app->CreateWindows();
    main().show();
    activateMain();
}

void AppFixture::activate(QWidget* w)
{
    if (!w->isVisible())
        w->show();
    // Activations the platform still has queued would land after ours.
    QApplication::processEvents();
    QApplication::setActiveWindow(w);
    QApplication::processEvents();
}

void AppFixture::activateMain()
{
    activate(&main());
}

void AppFixture::tick()
{
    main().StatusTimerStep();
}

TForm1& AppFixture::main() const
{
    return *app->Form1;
}

void AppFixture::writeCatalogue(const std::string& name, const std::vector<TCD>& records,
                                const std::string& primaryTitle, const std::string& secondaryTitle)
{
    RecordTable t;
    for (size_t i = 0; i < records.size(); ++i)
        t.reset(int(i) + 1) = records[i];
    if (records.empty())
        t.reset(1);
    CatalogueHeader h;
    h.RowCount = int(std::max<size_t>(records.size(), 1)) + 1;
    h.CreatedTime = PackMoment({2025, 3, 14, 10, 0, 0});
    h.LastID = int(records.size());
    WriteCatalogueFile(file(name), h, primaryTitle, secondaryTitle, t);
}

void AppFixture::openCatalogue(const std::string& name)
{
    dialogs.files.push_back(qfile(name));
    main().Open1->trigger();
}

void AppFixture::select(int row, int column)
{
    main().StringGrid1->SelectCell(column, row);
}

std::string AppFixture::cell(int column, int row) const
{
    return main().StringGrid1->Cell(column, row);
}
