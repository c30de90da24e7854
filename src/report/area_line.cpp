#include "report/area_line.h"

#include "report/format/fixed_line.h"

namespace veldor {

std::string areaDataLine(const LoadedArea& area) {
  return FixedLine()
      .blanks(1)
      .integer(area.shape, 3)
      .blanks(2)
      .real(area.x, 9, 2)
      .real(area.y, 9, 2)
      .real(area.xLength, 7, 2)
      .real(area.yLength, 8, 2)
      .real(area.slope, 7, 3)
      .blanks(4)
      .real(area.load, 7, 3)
      .real(area.elevation, 8, 2)
      .str();
}

}  // namespace veldor
