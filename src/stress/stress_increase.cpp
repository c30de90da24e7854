#include "stress/stress_increase.h"

#include <algorithm>
#include <span>

#include "model/capacities.h"
#include "report/format/fixed_line.h"
#include "stress/circle_load.h"
#include "stress/pile_load.h"
#include "stress/rectangle_load.h"

namespace veldor {

namespace {

void writeProgressLine(TextOutput& messageFile, std::int32_t load, std::int32_t point,
                       std::int32_t areaCount) {
  const bool isArea = load <= areaCount;
  messageFile.writeLine(FixedLine()
                            .blanks(5)
                            .text(isArea ? "COMPUTING AREA " : "COMPUTING PILE ")
                            .integer(isArea ? load : load - areaCount, 3)
                            .text(" AT POINT ")
                            .integer(point, 3));
}

// Adds one load's stress increase beneath every settlement point, point by point.
template <typename Load>
void addBeneathEveryPoint(ProblemData& data, std::int32_t loadIndex, const Load& load,
                          std::int32_t pointCount, std::int32_t depthPointCount,
                          TextOutput& messageFile) {
  const auto depthPoints = std::span<const float>(data.depthPoints).subspan(1, depthPointCount);
  for (std::int32_t p = 1; p <= pointCount; ++p) {
    writeProgressLine(messageFile, loadIndex, p, data.areaCount);
    load.addStressBeneath(data.points[p], depthPoints,
                          std::span<float>(data.stressIncrease[p]).subspan(1, depthPointCount));
  }
}

}  // namespace

void computeStressIncrease(ProblemData& data, TextOutput& messageFile) {
  // The reader stops any run whose counts exceed the capacities; the bounds here keep every
  // array access inside them regardless.
  const std::int32_t pointCount = std::clamp(data.pointCount, 0, kMaxPoints);
  const std::int32_t depthPointCount = std::clamp(data.depthPointCount, 0, kMaxDepthPoints);
  for (std::int32_t p = 1; p <= pointCount; ++p) {
    std::fill_n(data.stressIncrease[p].begin() + 1, depthPointCount, 0.0f);
  }

  messageFile.writeLine(FreeRecord().add(data.areaCount).add(data.pileCount));
  // A negative pile count means no piles; it must not take areas away from the loads.
  data.loadCount = data.areaCount + std::max(data.pileCount, 0);
  const std::int32_t loadCount = std::min(data.loadCount, kMaxLoads);

  for (std::int32_t i = 1; i <= loadCount; ++i) {
    const LoadedArea& load = data.loads[i];
    switch (load.shape) {
      case kCircle:
        addBeneathEveryPoint(data, i, CircleLoad(load), pointCount, depthPointCount, messageFile);
        break;
      case kPile:
        addBeneathEveryPoint(data, i, PileLoad(load, data.pileLoadDepthMode), pointCount,
                             depthPointCount, messageFile);
        break;
      default:
        addBeneathEveryPoint(data, i, RectangleLoad(load), pointCount, depthPointCount,
                             messageFile);
        break;
    }
  }
}

}  // namespace veldor
