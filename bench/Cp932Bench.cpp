// CP932 conversion of a megabyte of text, the worst case being text full of
// characters without a CP932 form (each becomes "?").

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "io/Cp932.h"

namespace nimbara {
namespace {

constexpr std::size_t kTextBytes = 1 << 20;
constexpr std::string_view kJapaneseLine = "石垣島　１０１３ｈＰａ 南西の風 ﾃﾞｰﾀ 晴れ\r\n";
constexpr std::string_view kLineWithoutCp932Form = "😀🌀☃🌈🌊🍙☂\r\n";

std::string MegabyteOf(std::string_view line) {
  std::string text;
  text.reserve(kTextBytes + line.size());
  while (text.size() < kTextBytes) text += line;
  return text;
}

void BM_EncodeCp932(benchmark::State& state, std::string_view line) {
  const std::string text = MegabyteOf(line);
  for (auto _ : state) benchmark::DoNotOptimize(EncodeCp932(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK_CAPTURE(BM_EncodeCp932, Japanese, kJapaneseLine)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EncodeCp932, WithoutCp932Form, kLineWithoutCp932Form)->Unit(benchmark::kMillisecond);

void BM_DecodeCp932(benchmark::State& state) {
  const std::string bytes = EncodeCp932(MegabyteOf(kJapaneseLine)).bytes;
  for (auto _ : state) benchmark::DoNotOptimize(DecodeCp932(bytes));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_DecodeCp932)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace nimbara
