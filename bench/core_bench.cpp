// Costs of the core: conversions, each calculation with its report (the window's reading of
// its fields included), the three data-file readers at their full capacity and at a tenth of it.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "calc/fastener_form.h"
#include "cli/calculations.h"
#include "data/climate_table.h"
#include "data/material_catalogue.h"
#include "data/wind_table.h"
#include "frame/text_encoding.h"
#include "frame/numbers.h"

namespace {

using namespace roofcalc;

void BM_StrToFloat(benchmark::State& state) {
  const char* texts[] = {"60", "1,2", "150", "0,13", "12345,6789", "1E-5"};
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(StrToFloat(texts[i++ % 6], ","));
}
BENCHMARK(BM_StrToFloat);

void BM_FloatToStr(benchmark::State& state) {
  const double values[] = {4569.42, 1.0 / 3.0, 85.5, 1e20, 0.0001, 546.95000000000005};
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(FloatToStr(values[i++ % 6], ","));
}
BENCHMARK(BM_FloatToStr);

std::string windFile(size_t records) {
  std::string bytes;
  for (size_t i = 0; i < records; ++i)
    bytes += "Region_" + std::to_string(i) + "  0,38 0,0" + std::to_string(10 + i % 80) + "\r\n";
  return bytes;
}

void BM_ReadWind(benchmark::State& state) {
  const std::string bytes = windFile(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    Messages m;
    benchmark::DoNotOptimize(parseWindTable(bytes, ",", m));
  }
}
BENCHMARK(BM_ReadWind)->Arg(100)->Arg(1000);

// klimat.txt in code page 1251, as shipped.
void BM_ReadClimate(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < state.range(0); ++i)
    text += "Город_" + std::to_string(i) + "  " + std::to_string(i % 2) + " -26 204 -2,2\r\n";
  const std::string bytes = utf8ToCp1251(text);
  for (auto _ : state) {
    Messages m;
    benchmark::DoNotOptimize(parseClimateTable(bytes, ",", m));
  }
}
BENCHMARK(BM_ReadClimate)->Arg(100)->Arg(1000);

void BM_ReadMaterials(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < state.range(0); ++i)
    text += "Материал номер " + std::to_string(i) + "\r\n0,041 0,05 " + std::to_string(100 + i) +
            "\r\n";
  const std::string bytes = utf8ToCp1251(text);
  for (auto _ : state) benchmark::DoNotOptimize(parseMaterialCatalogue(bytes));
}
BENCHMARK(BM_ReadMaterials)->Arg(100)->Arg(998);

// Each registered calculation with its defaults: reading the fields, computing, the report.
void BM_Calculation(benchmark::State& state, const char* name) {
  auto form = cli::findCalculation(name)->make(",");
  if (std::string(name) == "fastener") {
    static_cast<FastenerForm&>(*form).createWithTable(
        [] { Messages m; return parseWindTable(windFile(8), ",", m); }());
  } else {
    Messages m;
    form->create(m);
  }
  for (auto _ : state) benchmark::DoNotOptimize(form->calculate());
}

}  // namespace

int main(int argc, char** argv) {
  for (const auto& c : roofcalc::cli::calculations())
    benchmark::RegisterBenchmark((std::string("BM_Calculation/") + c.name).c_str(), BM_Calculation,
                                 c.name);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
