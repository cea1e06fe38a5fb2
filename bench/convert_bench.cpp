// The number conversions run on every credit; these compare them with the C library on
// the same inputs, side by side.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "services/convert.h"

namespace {

// Values like those the board shows: scores, bean totals, fees with a few decimals, and
// some results of division that need all 13 digits.
const std::vector<double>& BoardValues() {
  static const std::vector<double> values = [] {
    std::mt19937_64 random(1);
    std::vector<double> out;
    for (int i = 0; i < 1024; ++i) {
      switch (i % 4) {
        case 0:
          out.push_back(static_cast<double>(random() % 1000000));
          break;
        case 1:
          out.push_back(static_cast<double>(random() % 100000000) / 100);
          break;
        case 2:
          out.push_back(static_cast<double>(random() % 100000) / 3);
          break;
        default:
          out.push_back(static_cast<double>(random() % 1000) * 1e15);
          break;
      }
    }
    return out;
  }();
  return values;
}

const std::vector<std::string>& BoardTexts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> out;
    char buffer[64];
    for (double value : BoardValues()) {
      std::snprintf(buffer, sizeof buffer, "%.13g", value);
      out.emplace_back(buffer);
    }
    return out;
  }();
  return texts;
}

void BM_ToText(benchmark::State& state) {
  const auto& values = BoardValues();
  size_t i = 0;
  for (auto _ : state) {
    Text text = ToText(values[i++ % values.size()]);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_ToText);

void BM_SnprintfG13(benchmark::State& state) {
  const auto& values = BoardValues();
  size_t i = 0;
  char buffer[64];
  for (auto _ : state) {
    int length = std::snprintf(buffer, sizeof buffer, "%.13g", values[i++ % values.size()]);
    std::string text(buffer, static_cast<size_t>(length));  // the same one allocation
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_SnprintfG13);

void BM_ToNumber(benchmark::State& state) {
  const auto& texts = BoardTexts();
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ToNumber(texts[i++ % texts.size()]));
}
BENCHMARK(BM_ToNumber);

void BM_Strtod(benchmark::State& state) {
  const auto& texts = BoardTexts();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::strtod(texts[i++ % texts.size()].c_str(), nullptr));
  }
}
BENCHMARK(BM_Strtod);

void BM_ToInteger(benchmark::State& state) {
  const auto& texts = BoardTexts();
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ToInteger(texts[i++ % texts.size()]));
}
BENCHMARK(BM_ToInteger);

void BM_Strtol(benchmark::State& state) {
  const auto& texts = BoardTexts();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::strtol(texts[i++ % texts.size()].c_str(), nullptr, 10));
  }
}
BENCHMARK(BM_Strtol);

}  // namespace
