// Benchmarks of a full catalogue (1999 records with realistic names): read,
// write, each sort and RefreshGrid. With --startup-probe the program starts
// as Korvant does and ends as soon as its main window is shown, so a script
// can time process start to window.
#include "catalogue_file.h"
#include "korvant_app.h"
#include "korvant_application.h"
#include "korvant_main.h"
#include "safe_file.h"
#include "scripted_dialogs.h"
#include "sorting.h"
#include "tform1.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <cstring>
#include <filesystem>
#include <random>

using namespace skelvora;

namespace {

const char* const kWords[] = {"Night", "Train", "Harbour", "Blue", "Winter", "Road", "Garden", "Party", "River",
                              "Stars", "Old", "Town", "Jazz", "Desert", "Bloom", "Paper", "Kites", "Long",
                              "Summer", "Lights", "Glass", "Mountain", "Copper", "Sky", "Forest", "Echo"};
const char* const kPeople[] = {"Martin Novak", "Eva", "Jana Dvorakova", "Petr", "Flat Mate", "Ann"};

std::string Title(std::mt19937& rng)
{
    std::string s = "The";
    int words = 1 + int(rng() % 4);
    for (int i = 0; i < words; ++i)
        s += std::string(" ") + kWords[rng() % std::size(kWords)];
    return s;
}

void FillFull(RecordTable& t, CatalogueHeader& h)
{
    std::mt19937 rng(7);
    h.RowCount = kMaxRowCount;
    h.LastID = kCapacity;
    for (int k = 1; k < kMaxRowCount; ++k) {
        TCD& r = t.reset(k);
        r.ID = int(rng() % 5000);
        r.PrimaryName = Title(rng);
        r.SecondaryName = Title(rng);
        r.MediaType = int(rng() % kMediaTypeCount);
        if (rng() % 5 == 0) {
            r.Occupier = r.LastOccupier = kPeople[rng() % std::size(kPeople)];
            r.RentTime = PackMoment({2026, 1 + int(rng() % 12), 1 + int(rng() % 28), 12, 30, 0});
            r.RentCount = 1 + int(rng() % 9);
        }
    }
}

std::string FullBytes()
{
    RecordTable t;
    CatalogueHeader h;
    FillFull(t, h);
    return EncodeCatalogue(h, "Title", "Original title", t);
}

std::string TempPath(const char* name)
{
    return (std::filesystem::temp_directory_path() / name).string();
}

void BM_ReadFullCatalogue(benchmark::State& state)
{
    const std::string path = TempPath("skelvora-bench-read.fmd");
    WriteFileAtomically(path, FullBytes());
    for (auto _ : state) {
        CatalogueImage img = ReadCatalogueFile(path);
        benchmark::DoNotOptimize(img.Header.RowCount);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(std::filesystem::file_size(path)));
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReadFullCatalogue)->Unit(benchmark::kMillisecond);

void BM_WriteFullCatalogue(benchmark::State& state)
{
    const std::string path = TempPath("skelvora-bench-write.fmd");
    RecordTable t;
    CatalogueHeader h;
    FillFull(t, h);
    for (auto _ : state)
        WriteCatalogueFile(path, h, "Title", "Original title", t);
    std::filesystem::remove(path);
}
BENCHMARK(BM_WriteFullCatalogue)->Unit(benchmark::kMillisecond);

void BM_Sort(benchmark::State& state)
{
    RecordTable t;
    CatalogueHeader h;
    FillFull(t, h);
    const SortKey keys[] = {SortKey::PrimaryName, SortKey::SecondaryName, SortKey::ID};
    const SortKey key = keys[state.range(0)];
    for (auto _ : state) {
        state.PauseTiming();
        // Start from the same unsorted order every time.
        std::mt19937 rng(3);
        for (int k = kCapacity; k > 1; --k)
            t.swap(k, 1 + int(rng() % unsigned(k)));
        state.ResumeTiming();
        SortRecords(t, kMaxRowCount, key);
    }
    state.SetLabel(key == SortKey::PrimaryName ? "primary name" : key == SortKey::SecondaryName ? "secondary name" : "ID");
}
BENCHMARK(BM_Sort)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_RefreshGrid(benchmark::State& state)
{
    ScriptedDialogs dialogs;
    FixedClock clock(Moment{2026, 12, 11, 14, 5, 7});
    ScriptedLockKeys locks;
    CodePage codePage("WINDOWS-1252");
    const std::string dir = TempPath("skelvora-bench-home");
    std::filesystem::create_directories(dir);
    const std::string path = dir + "/full.fmd";
    WriteFileAtomically(path, FullBytes());
    {
        Registry reg(dir + "/registry.reg");
        Settings s;
        s.AutoOpen = true;
        s.LastUsed = path;
        WriteSettings(reg, s);
    }
    KorvantApp app(Services{dialogs, clock, locks, codePage, LocaleNames::English(), dir + "/", dir + "/registry.reg"});
    app.CreateWindows();
    app.Form1->show();
    QCoreApplication::processEvents();
    bool flip = false;
    for (auto _ : state) {
        // Change every row so that each refresh really rewrites the cells.
        state.PauseTiming();
        for (int k = 1; k < kMaxRowCount; ++k)
            app.cat.Table.at(k)->ID += flip ? 1 : -1;
        flip = !flip;
        state.ResumeTiming();
        app.Form1->RefreshGrid();
        QCoreApplication::processEvents();
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_RefreshGrid)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strcmp(argv[1], "--startup-probe") == 0) {
        KorvantApplication application(argc, argv);
        return KorvantMain(application, [] { QCoreApplication::quit(); });
    }
    if (argc > 2 && std::strcmp(argv[1], "--write-full") == 0) {
        WriteFileAtomically(argv[2], FullBytes());
        return 0;
    }
    KorvantApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
