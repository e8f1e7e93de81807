// Loading and saving the shortcut catalogue through the settings object, for catalogues of 1,000 to
// 100,000 shortcuts and for a file with one value of 5 MiB, on an in-memory file system. Load + save of
// 100,000 should cost at most 12 times that of 10,000: nothing on these paths may grow faster than n log n.

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

#include "catalogue/Auxiliares.h"
#include "catalogue/NqIniFiles.h"
#include "support/Text.h"
#include "tests/FakePlatform.h"

namespace {

using namespace nq;

const std::string kIni = "C:\\Pivel\\PivelConfig.ini";

void NewCatalogue(TClientDataset& cds) {
    CriarCamposAtalho(cds);
    cds.OnNewRecord = [](TClientDataset& ds) { ds.FieldByName("OpcaoMenu").SetAsBoolean(false); };
    cds.CreateDataSet();
    cds.SetIndexFieldNames("Tipo;Titulo");
}

// The settings file of a catalogue of n shortcuts, with titles in no particular order.
std::string CatalogueFile(int n) {
    test::FakePlatform fake;
    TClientDataset cds;
    NewCatalogue(cds);
    static const char* const words[] = {"Relatório", "água",  "Planilha", "Contas",
                                        "Ação",      "notas", "Zé",       "Éter"};
    for (int i = 0; i < n; ++i) {
        const unsigned h = static_cast<unsigned>(i) * 2654435761u;
        const std::string titulo = std::string(words[h % 8]) + " " + std::to_string(h % 100000);
        const std::string prog = "D:\\Dados\\Pasta " + std::to_string(i % 97) + "\\" + titulo + ".pdf";
        cds.Append();
        cds.FieldByName("Titulo").SetAsString(titulo);
        cds.FieldByName("Programa").SetAsString(prog);
        cds.FieldByName("Param").SetAsString(i % 5 == 0 ? "/modo=rapido" : "");
        cds.FieldByName("Icone").SetAsInteger(static_cast<int>(h % 13) - 1);
        cds.FieldByName("Tipo").SetAsInteger(h % 4 == 0 ? 0 : 1);
        cds.FieldByName("OpcaoMenu").SetAsBoolean(h % 3 == 0);
        cds.Post();
    }
    TMemIniFile ini(kIni, "");
    readSaveIcons(cds, SAVE_INFO, ini);
    return fake.files.contents[kIni];
}

const std::string& CachedFile(int n) {
    static std::map<int, std::string> files;
    auto it = files.find(n);
    if (it == files.end()) it = files.emplace(n, CatalogueFile(n)).first;
    return it->second;
}

// As at start-up: the file read into a new settings object, the catalogue loaded into a new table and
// walked in the bar's order. What is released at the end is outside the timing, as at program exit.
struct Program {
    explicit Program(const std::string& bytes) : ini(kIni, bytes) { NewCatalogue(cds); }
    TMemIniFile ini;
    TClientDataset cds;
};

void Load(Program& p) {
    readSaveIcons(p.cds, READ_INFO, p.ini);
    p.cds.First();
}

// As at the end: the catalogue replaces its section, and the file is written.
void Save(Program& p) {
    readSaveIcons(p.cds, SAVE_INFO, p.ini);
}

void BM_CatalogueLoad(benchmark::State& state) {
    IniUpdateOnFree = false;
    test::FakePlatform fake;
    const std::string& bytes = CachedFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto p = std::make_unique<Program>(bytes);
        Load(*p);
        state.PauseTiming();
        p.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_CatalogueSave(benchmark::State& state) {
    IniUpdateOnFree = false;
    test::FakePlatform fake;
    const std::string& bytes = CachedFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto p = std::make_unique<Program>(bytes);
        Load(*p);
        state.ResumeTiming();
        Save(*p);
        state.PauseTiming();
        p.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_CatalogueLoadSave(benchmark::State& state) {
    IniUpdateOnFree = false;
    test::FakePlatform fake;
    const std::string& bytes = CachedFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto p = std::make_unique<Program>(bytes);
        Load(*p);
        Save(*p);
        state.PauseTiming();
        p.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// A file of 100 shortcuts with one damaged value of 5 MiB: the bar's title (0) or a shortcut's title
// inside its record (1). Start (read, load, the title as the bar takes it) and end (save, write) must
// cost time in proportion to the bytes, as the file without the huge value does per byte.
const std::string& HugeValueFile(int where) {
    static std::map<int, std::string> files;
    auto it = files.find(where);
    if (it != files.end()) return it->second;
    std::string huge;
    while (huge.size() < 5u * 1024 * 1024) huge += "Empresa de teste ";
    std::string bytes = CachedFile(100);
    const std::string record = "1=id=";
    if (where == 0) {
        bytes = "[Config]\r\nNomeEmpresa=" + huge + "\r\n\r\n" + bytes;
    } else {
        const std::size_t at = bytes.find("titulo=", bytes.find(record));
        bytes.insert(at + 7, huge);
    }
    return files.emplace(where, std::move(bytes)).first->second;
}

void BM_HugeValueLoadSave(benchmark::State& state) {
    IniUpdateOnFree = false;
    test::FakePlatform fake;
    const std::string& bytes = HugeValueFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto p = std::make_unique<Program>(bytes);
        Load(*p);
        std::string titulo = CharLeft(p->ini.ReadString("Config", "NomeEmpresa", ""), TAM_NOME_EMPRESA);
        benchmark::DoNotOptimize(titulo);
        Save(*p);
        state.PauseTiming();
        p.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}

BENCHMARK(BM_HugeValueLoadSave)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_CatalogueLoad)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CatalogueSave)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CatalogueLoadSave)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
