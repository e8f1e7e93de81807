// Text routines on the hot paths of loading the catalogue: splitting records, code page conversion.

#include <benchmark/benchmark.h>

#include "support/Cp1252.h"
#include "support/NqFun.h"
#include "support/Text.h"

namespace {

void BM_AParseRecord(benchmark::State& state) {
    const std::string record = "Calculadora\xA7" "C:\\Windows\\system32\\calc.exe\xA7\xA7" "C:\\Windows\\system32\\calc.exe\xA7" "0\xA7" "0\xA7" "2";
    const std::string utf8 = nq::Cp1252ToUtf8(record);
    for (auto _ : state) benchmark::DoNotOptimize(nq::AParse(utf8, "\xC2\xA7"));
}
BENCHMARK(BM_AParseRecord);

void BM_Cp1252ToUtf8(benchmark::State& state) {
    std::string text;
    for (int i = 0; i < 1000; ++i) text += "NívelTransparência=210\r\nDistânciaÍcones=38\r\n";
    for (auto _ : state) benchmark::DoNotOptimize(nq::Cp1252ToUtf8(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_Cp1252ToUtf8);

void BM_Utf8ToCp1252(benchmark::State& state) {
    std::string text;
    for (int i = 0; i < 1000; ++i) text += "NívelTransparência=210\r\nDistânciaÍcones=38\r\n";
    for (auto _ : state) benchmark::DoNotOptimize(nq::Utf8ToCp1252(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_Utf8ToCp1252);

void BM_FormatPath(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(nq::FormatPath("c:\\program files\\nq\\pivel\\dados da empresa"));
}
BENCHMARK(BM_FormatPath);

void BM_SameText(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(nq::SameText("NívelTransparência", "níveltransparência"));
}
BENCHMARK(BM_SameText);

}  // namespace

BENCHMARK_MAIN();
