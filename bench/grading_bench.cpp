// Grading runs on the GUI thread inside every evaluation of a long answer:
// the edit distance and the hint for two 259-byte answers.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "checking/grading.h"

namespace {

std::string RandomText(std::mt19937& random, size_t size) {
  std::string text;
  while (text.size() < size) text.push_back(static_cast<char>('A' + random() % 26));
  return text;
}

void Grade(benchmark::State& state, const std::string& accepted, const std::string& typed) {
  for (auto _ : state) {
    const int d = EditDistance(accepted.c_str(), typed.c_str());
    benchmark::DoNotOptimize(GradeMiss(accepted.c_str(), typed.c_str(), d));
  }
}

void BM_GradeUnrelated259(benchmark::State& state) {
  std::mt19937 random(1);
  Grade(state, RandomText(random, 259), RandomText(random, 259));
}

void BM_GradeNearMiss259(benchmark::State& state) {
  std::mt19937 random(2);
  const std::string accepted = RandomText(random, 259);
  std::string typed = accepted;
  for (size_t i = 0; i < typed.size(); i += 50) typed[i] = '#';
  Grade(state, accepted, typed);
}

void BM_JudgeRight259(benchmark::State& state) {
  std::mt19937 random(3);
  const std::string accepted = RandomText(random, 259);
  for (auto _ : state) benchmark::DoNotOptimize(JudgeAnswer(accepted.c_str(), accepted.c_str()));
}

}  // namespace

BENCHMARK(BM_GradeUnrelated259)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GradeNearMiss259)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_JudgeRight259)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
