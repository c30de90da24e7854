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

// areasBefore is the number of areas stored before the piles: the area count, or 0 when the
// count is negative.
void writeProgressLine(TextOutput& messageFile, std::int32_t load, std::int32_t point,
                       std::int32_t areasBefore) {
  const bool isArea = load <= areasBefore;
  messageFile.writeLine(FixedLine()
                            .blanks(5)
                            .text(isArea ? "COMPUTING AREA " : "COMPUTING PILE ")
                            .integer(isArea ? load : load - areasBefore, 3)
                            .text(" AT POINT ")
                            .integer(point, 3));
}

// Adds one load's stress increase beneath every settlement point, point by point.
template <typename Load>
void addBeneathEveryPoint(ProblemData& data, std::int32_t loadIndex, const Load& load,
                          std::int32_t areasBefore, std::int32_t pointCount,
                          std::int32_t depthPointCount, TextOutput& messageFile) {
  const auto depthPoints = std::span<const float>(data.depthPoints).subspan(1, depthPointCount);
  for (std::int32_t p = 1; p <= pointCount; ++p) {
    writeProgressLine(messageFile, loadIndex, p, areasBefore);
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
  // A negative count means none of its kind: it must not take loads of the other kind away.
  // The piles follow the areas in the load table, from index 1 when there are no areas.
  const std::int32_t areasBefore = std::max(data.areaCount, 0);
  data.loadCount = areasBefore + std::max(data.pileCount, 0);
  const std::int32_t loadCount = std::min(data.loadCount, kMaxLoads);

  for (std::int32_t i = 1; i <= loadCount; ++i) {
    const LoadedArea& load = data.loads[i];
    switch (load.shape) {
      case kCircle:
        addBeneathEveryPoint(data, i, CircleLoad(load), areasBefore, pointCount, depthPointCount,
                             messageFile);
        break;
      case kPile:
        addBeneathEveryPoint(data, i, PileLoad(load, data.pileLoadDepthMode), areasBefore,
                             pointCount, depthPointCount, messageFile);
        break;
      default:
        addBeneathEveryPoint(data, i, RectangleLoad(load), areasBefore, pointCount, depthPointCount,
                             messageFile);
        break;
    }
  }
}

}  // namespace veldor
