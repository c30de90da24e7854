#include <benchmark/benchmark.h>

#include <memory>
#include <string_view>

#include "model/capacities.h"
#include "model/problem_data.h"
#include "report/format/text_output.h"
#include "stress/influence_factors.h"
#include "stress/stress_increase.h"

namespace {

using veldor::ProblemData;

class DiscardedOutput final : public veldor::TextOutput {
 public:
  void writeLine(std::string_view) override {}
};

// 250 settlement points on a 25 x 10 grid 3 apart, 775 sublayers (1551 depth points), and
// 250 loads of one shape spread over the same plan with sizes from 2 to 6.
std::unique_ptr<ProblemData> fullCapacityProblem(std::int32_t shape) {
  auto data = std::make_unique<ProblemData>();
  data->sublayerCount = veldor::kMaxSublayers;
  data->depthPointCount = veldor::kMaxDepthPoints;
  for (std::int32_t k = 1; k <= data->depthPointCount; ++k) {
    data->depthPoints[k] = 0.25f * static_cast<float>(k - 1);
  }
  data->pointCount = veldor::kMaxPoints;
  for (std::int32_t p = 1; p <= data->pointCount; ++p) {
    data->points[p].x = 3.0f * static_cast<float>((p - 1) % 25);
    data->points[p].y = 3.0f * static_cast<float>((p - 1) / 25);
  }
  for (std::int32_t i = 1; i <= veldor::kMaxLoads; ++i) {
    veldor::LoadedArea& load = data->loads[i];
    load.shape = shape;
    load.x = 0.3f * static_cast<float>(i % 250);
    load.y = 0.11f * static_cast<float>(i % 270);
    load.xLength = 2.0f + static_cast<float>(i % 5);
    load.yLength = 2.0f + static_cast<float>(i % 3);
    load.slope = i % 2 == 0 ? 0.0f : 0.1f * static_cast<float>(i % 13);
    load.load = 1.5f;
    load.elevation = 0.5f * static_cast<float>(i % 4);
    load.pileTopDepth = 2.0f;
    load.pileTipDepth = 12.0f + static_cast<float>(i % 7);
  }
  if (shape == veldor::kPile) {
    data->pileCount = veldor::kMaxLoads;
    data->pileLoadDepthMode = 2;
  } else {
    data->areaCount = veldor::kMaxLoads;
  }
  return data;
}

void stressStep(benchmark::State& state, std::int32_t shape) {
  const auto data = fullCapacityProblem(shape);
  DiscardedOutput messageFile;
  for (auto _ : state) {
    veldor::computeStressIncrease(*data, messageFile);
    benchmark::DoNotOptimize(data->stressIncrease[veldor::kMaxPoints][veldor::kMaxDepthPoints]);
  }
  const double evaluations = static_cast<double>(data->loadCount) * data->pointCount *
                             data->depthPointCount * static_cast<double>(state.iterations());
  state.counters["evaluations_per_s"] =
      benchmark::Counter(evaluations, benchmark::Counter::kIsRate);
}

void rectangles(benchmark::State& state) { stressStep(state, veldor::kRectangle); }
void circles(benchmark::State& state) { stressStep(state, veldor::kCircle); }
void piles(benchmark::State& state) { stressStep(state, veldor::kPile); }

BENCHMARK(rectangles)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(circles)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(piles)->Unit(benchmark::kSecond)->Iterations(1);

// The kernels alone, over a spread of arguments.
void cornerInfluence(benchmark::State& state) {
  float m = 0.1f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(veldor::CornerInfluence(m, 1.7f));
    m = m < 50.0f ? m * 1.01f : 0.1f;
  }
  state.counters["evaluations_per_s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void circleInfluence(benchmark::State& state) {
  float z = 0.25f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(veldor::CircleInfluence(2.0f, 1.3f, z));
    z = z < 300.0f ? z + 0.25f : 0.25f;
  }
  state.counters["evaluations_per_s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK(cornerInfluence);
BENCHMARK(circleInfluence);

}  // namespace

BENCHMARK_MAIN();
