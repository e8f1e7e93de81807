// The settings file: reading a large catalogue section, looking keys up and writing it back, measured
// against two common INI readers (inih and SimpleIni) on the very same bytes.

#include <benchmark/benchmark.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "catalogue/NqIniFiles.h"
#include "support/Cp1252.h"

#if PIVEL_BENCH_INI_PEERS
#define SI_NO_CONVERSION   // char data as it stands: the fastest mode
#define SI_IMPLEMENTATION  // Debian splits the header; use it header-only
#include <SimpleIni.h>
#include <ini.h>
#endif

namespace {

constexpr int kRecords = 10000;

// A settings file as the bar writes it, in Windows-1252: the look settings, a catalogue of kRecords
// shortcuts and the menu style. Lines stay under 200 bytes, inih's default line limit.
const std::string& SettingsFile() {
    static const std::string bytes = [] {
        std::string text =
            "[Config]\r\nColor=1714213\r\nNomeEmpresa=Minha barra de atalhos\r\nIconeEmpresa=\r\n"
            "NívelTransparência=210\r\nTransparênciaAtivada=1\r\nFonteÍcones=Tahoma,9,16777215,0,0,0,0\r\n"
            "SobreOutros=1\r\nDistânciaÍcones=38\r\nIconHeightAuto=0\r\nEditarTítulo=1\r\nAutoOcultar="
            "0\r\n\r\n"
            "[IconesMenu]\r\nRecordCount=" +
            std::to_string(kRecords) + "\r\n";
        for (int i = 1; i <= kRecords; ++i) {
            const std::string n = std::to_string(i);
            text += n + "=id=" + n + "§titulo=Relatório " + n + "§programa=D:\\Dados\\Relatórios\\" + n +
                    "\\relatorio" + n + ".pdf§param=§icone=" + std::to_string(i % 20) +
                    "§tipo=" + std::to_string(i % 2) + "§opcaomenu=" + (i % 7 ? "Não" : "Sim") +
                    "§iconeid=" + std::to_string(i % 5) + "§\r\n";
        }
        text += "\r\n[Menus]\r\nEstilo=2\r\nCorFundo=16777215\r\n\r\n";
        return nq::Utf8ToCp1252(text).value();
    }();
    return bytes;
}

void SetBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(SettingsFile().size()));
}

void BM_SettingsParse_Pivel(benchmark::State& state) {
    nq::IniUpdateOnFree = false;
    const std::string& bytes = SettingsFile();
    for (auto _ : state) {
        nq::TMemIniFile ini("bench.ini", bytes);
        nq::TMemIniFile* loaded = &ini;
        benchmark::DoNotOptimize(loaded);
    }
    SetBytes(state);
}
BENCHMARK(BM_SettingsParse_Pivel)->Unit(benchmark::kMillisecond);

void BM_SettingsLookupAll_Pivel(benchmark::State& state) {
    nq::IniUpdateOnFree = false;
    const nq::TMemIniFile ini("bench.ini", SettingsFile());
    std::vector<std::string> keys;
    for (int i = 1; i <= kRecords; ++i) keys.push_back(std::to_string(i));
    for (auto _ : state)
        for (const std::string& k : keys) benchmark::DoNotOptimize(ini.ReadString("iconesmenu", k, ""));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kRecords);
}
BENCHMARK(BM_SettingsLookupAll_Pivel)->Unit(benchmark::kMillisecond);

void BM_SettingsWrite_Pivel(benchmark::State& state) {
    nq::IniUpdateOnFree = false;
    const nq::TMemIniFile ini("bench.ini", SettingsFile());
    for (auto _ : state) benchmark::DoNotOptimize(ini.FileContent());
    SetBytes(state);
}
BENCHMARK(BM_SettingsWrite_Pivel)->Unit(benchmark::kMillisecond);

#if PIVEL_BENCH_INI_PEERS

// inih hands each entry to a callback and keeps nothing: the floor of any reader.
void BM_SettingsParse_InihCallbackOnly(benchmark::State& state) {
    const std::string& bytes = SettingsFile();
    for (auto _ : state) {
        std::size_t entries = 0;
        ini_parse_string(
            bytes.c_str(),
            [](void* user, const char*, const char*, const char*) {
                ++*static_cast<std::size_t*>(user);
                return 1;
            },
            &entries);
        benchmark::DoNotOptimize(entries);
        if (entries != kRecords + 14) state.SkipWithError("inih did not read every entry");
    }
    SetBytes(state);
}
BENCHMARK(BM_SettingsParse_InihCallbackOnly)->Unit(benchmark::kMillisecond);

// inih keeping what it read, ready for lookups as the settings object is: one map per section.
void BM_SettingsParse_InihIntoMaps(benchmark::State& state) {
    using Sections = std::unordered_map<std::string, std::unordered_map<std::string, std::string>>;
    const std::string& bytes = SettingsFile();
    for (auto _ : state) {
        Sections sections;
        ini_parse_string(
            bytes.c_str(),
            [](void* user, const char* section, const char* name, const char* value) {
                (*static_cast<Sections*>(user))[section][name] = value;
                return 1;
            },
            &sections);
        benchmark::DoNotOptimize(sections);
    }
    SetBytes(state);
}
BENCHMARK(BM_SettingsParse_InihIntoMaps)->Unit(benchmark::kMillisecond);

void BM_SettingsParse_SimpleIni(benchmark::State& state) {
    const std::string& bytes = SettingsFile();
    for (auto _ : state) {
        CSimpleIniA ini;
        ini.LoadData(bytes.data(), bytes.size());
        CSimpleIniA* loaded = &ini;
        benchmark::DoNotOptimize(loaded);
    }
    SetBytes(state);
}
BENCHMARK(BM_SettingsParse_SimpleIni)->Unit(benchmark::kMillisecond);

void BM_SettingsLookupAll_SimpleIni(benchmark::State& state) {
    CSimpleIniA ini;
    ini.LoadData(SettingsFile().data(), SettingsFile().size());
    std::vector<std::string> keys;
    for (int i = 1; i <= kRecords; ++i) keys.push_back(std::to_string(i));
    for (auto _ : state)
        for (const std::string& k : keys) {
            const char* value = ini.GetValue("iconesmenu", k.c_str(), "");
            benchmark::DoNotOptimize(value);
        }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kRecords);
}
BENCHMARK(BM_SettingsLookupAll_SimpleIni)->Unit(benchmark::kMillisecond);

#endif

}  // namespace
