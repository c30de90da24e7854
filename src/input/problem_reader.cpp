#include "input/problem_reader.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>

#include "input/record_reader.h"
#include "input/soil_profile.h"
#include "report/format/fixed_line.h"
#include "settlement/data_error_message.h"
#include "veldor/veldor.h"

namespace veldor {

namespace {

constexpr std::int32_t kUnreadable = VELDOR_STATUS_UNREADABLE_INPUT;
constexpr std::int32_t kOutOfRange = VELDOR_STATUS_INPUT_OUT_OF_RANGE;

// A kN/m3 unit weight becomes a kg/m3 mass density; percent becomes a fraction.
constexpr float kMassDensityPerUnitWeight = 101.972f;
constexpr float kFractionPerPercent = 0.01f;

std::string numbered(std::string_view name, std::int32_t number) {
  return FixedLine().text(name).text(" ").text(FreeRecord().add(number)).str();
}

std::string curveRecord(std::int32_t curve, std::string_view record) {
  return FixedLine().text("CURVE ").text(FreeRecord().add(curve)).text(" ").text(record).str();
}

// "FOUND <value>, <rest>": what a data-error message says of a value outside its range.
template <typename Value>
std::string found(Value value, std::string_view rest) {
  return FixedLine().text("FOUND ").text(FreeRecord().add(value)).text(", ").text(rest).str();
}

std::string aboveCapacity(std::int32_t capacity) {
  return FixedLine().text("WHICH IS ABOVE THE CAPACITY OF ").text(FreeRecord().add(capacity)).str();
}

std::int32_t readControlRecords(RecordReader& reader, ProblemData& data) {
  if (!reader.text("TITLE LINE 1", data.title[0])) return kUnreadable;
  if (!reader.text("TITLE LINE 2", data.title[1])) return kUnreadable;

  reader.begin("UNIT SYSTEM RECORD");
  if (!reader.integer("UNIT SYSTEM", data.unitSystem)) return kUnreadable;
  if (data.unitSystem != kUsGravitational && data.unitSystem != kSiAbsolute) {
    reader.rejectField(1, found(data.unitSystem, "WHICH IS NEITHER 1 NOR 2"));
    return kOutOfRange;
  }

  struct Count {
    std::string_view name;
    std::int32_t ProblemData::*field;
    std::int32_t capacity;
  };
  static constexpr Count kCounts[] = {
      {"NUMBER OF SOIL LAYERS", &ProblemData::layerCount, kMaxLayers},
      {"NUMBER OF SOIL COMPRESSIBILITIES", &ProblemData::curveCount, kMaxCurves},
      {"NUMBER OF SETTLEMENT POINTS", &ProblemData::pointCount, kMaxPoints},
      {"NUMBER OF LOADED AREAS", &ProblemData::areaCount, kMaxLoads},
  };
  reader.begin("COUNTS RECORD");
  for (const Count& count : kCounts)
    if (!reader.integer(count.name, data.*count.field)) return kUnreadable;
  for (std::size_t i = 0; i < std::size(kCounts); ++i) {
    const std::int32_t value = data.*kCounts[i].field;
    if (value > kCounts[i].capacity) {
      reader.rejectField(i + 1, found(value, aboveCapacity(kCounts[i].capacity)));
      return kOutOfRange;
    }
  }
  data.gravityFactor = gravityFactorFor(data.unitSystem);
  data.settlementUnitFactor = settlementUnitFactorFor(data.unitSystem);
  return 0;
}

void traceLayer(const ProblemData& data, const SoilLayer& layer, TextOutput& console) {
  FreeRecord bottoms;
  for (std::int32_t j = 0; j <= data.layerCount; ++j) bottoms.add(data.layerBottom[j]);
  console.writeLine(bottoms);
  console.writeLine(FreeRecord()
                        .add(layer.number)
                        .add(layer.unitWeight)
                        .add(layer.curveIndex)
                        .add(layer.thicknessFactor));
}

std::int32_t readLayers(RecordReader& reader, ProblemData& data, TextOutput& console) {
  data.layerBottom[0] = 0.0f;
  for (std::int32_t j = 1; j <= data.layerCount; ++j) {
    SoilLayer& layer = data.layers[j];
    reader.begin(numbered("SOIL LAYER RECORD", j));
    if (!reader.integer("LAYER NUMBER", layer.number) ||
        !reader.real("DEPTH TO BOTTOM", layer.depthToBottom) ||
        !reader.real("UNIT WEIGHT", layer.unitWeight) ||
        !reader.integer("CURVE INDEX", layer.curveIndex) ||
        !reader.real("THICKNESS FACTOR", layer.thicknessFactor))
      return kUnreadable;
    if (data.unitSystem == kSiAbsolute) layer.unitWeight *= kMassDensityPerUnitWeight;
    data.layerBottom[j] = layer.depthToBottom;
    traceLayer(data, layer, console);
    if (layer.curveIndex < 1 || layer.curveIndex > data.curveCount) {
      const std::string rest = FixedLine()
                                   .text("WHICH NAMES NO CURVE: THE NUMBER OF CURVES IS ")
                                   .text(FreeRecord().add(data.curveCount))
                                   .str();
      reader.rejectField(4, found(layer.curveIndex, rest));
      return kOutOfRange;
    }
  }
  return 0;
}

std::int32_t readPairs(RecordReader& reader, ProblemData& data, std::int32_t c,
                       const RunOutputs& outputs) {
  CompressibilityCurve& curve = data.curves[c];
  std::string negativePlace;
  float negativePressure = 0.0f;
  for (std::int32_t k = 1; k <= curve.pairCount; ++k) {
    reader.begin(curveRecord(c, numbered("PAIR RECORD", k)));
    if (!reader.real("STRAIN F", curve.strain[k]) || !reader.real("PRESSURE P", curve.pressure[k]))
      return kUnreadable;
    if (curve.pressure[k] < 0.0f && negativePlace.empty()) {
      negativePlace = reader.placeOfField(2);
      negativePressure = curve.pressure[k];
    }
  }
  for (std::int32_t k = 1; k <= curve.pairCount; ++k) curve.strain[k] *= kFractionPerPercent;
  if (!negativePlace.empty()) {
    writeDataErrorMessage(outputs, negativePlace,
                          found(negativePressure, "A NEGATIVE PRESSURE, WHICH HAS NO LOGARITHM"));
    return kOutOfRange;
  }
  return 0;
}

std::int32_t readCurves(RecordReader& reader, ProblemData& data, const RunOutputs& outputs) {
  for (std::int32_t c = 1; c <= data.curveCount; ++c) {
    CompressibilityCurve& curve = data.curves[c];
    reader.begin(numbered("CURVE HEADER RECORD", c));
    if (!reader.integer("CURVE NUMBER", curve.number) ||
        !reader.integer("NUMBER OF PAIRS", curve.pairCount))
      return kUnreadable;
    if (!reader.text(numbered("CURVE TITLE RECORD", c), curve.title)) return kUnreadable;
    outputs.console.writeLine(curve.title.view());
    if (curve.pairCount > kMaxCurvePairs) return VELDOR_STATUS_TOO_MANY_CURVE_POINTS;
    if (curve.pairCount >= 2) {
      if (const std::int32_t status = readPairs(reader, data, c, outputs)) return status;
      continue;
    }
    reader.begin(curveRecord(c, "SLOPE RECORD"));
    float slope = 0.0f;
    if (!reader.real("SLOPE", slope)) return kUnreadable;
    curve.slope = slope * kFractionPerPercent;
  }
  return 0;
}

std::int32_t readPoints(RecordReader& reader, ProblemData& data, TextOutput& console) {
  for (std::int32_t p = 1; p <= data.pointCount; ++p) {
    SettlementPoint& point = data.points[p];
    reader.begin(numbered("SETTLEMENT POINT RECORD", p));
    if (!reader.integer("POINT NUMBER", point.number) || !reader.real("X", point.x) ||
        !reader.real("Y", point.y) || !reader.integer("START LAYER", point.startLayer))
      return kUnreadable;
    console.writeLine(
        FreeRecord().add(point.number).add(point.x).add(point.y).add(point.startLayer));
    point.startSublayer = startSublayerOf(data, point.startLayer);
  }
  return 0;
}

bool isLayerBoundary(const ProblemData& data, float elevation) {
  const std::int32_t last = std::max(data.layerCount, 0);
  for (std::int32_t j = 0; j <= last; ++j)
    if (elevation == data.layerBottom[j]) return true;
  return false;
}

std::int32_t readAreas(RecordReader& reader, ProblemData& data, TextOutput& console) {
  data.badShapeAreas.count = 0;
  data.offBoundaryAreas.count = 0;
  for (std::int32_t i = 1; i <= data.areaCount; ++i) {
    LoadedArea& area = data.loads[i];
    if (!reader.text(numbered("AREA IDENTIFIER RECORD", i), area.id)) return kUnreadable;
    reader.begin(numbered("AREA DATA RECORD", i));
    if (!reader.integer("SHAPE", area.shape) || !reader.real("X", area.x) ||
        !reader.real("Y", area.y) || !reader.real("X LENGTH", area.xLength) ||
        !reader.real("Y LENGTH", area.yLength) || !reader.real("SLOPE", area.slope) ||
        !reader.real("LOADING", area.load) || !reader.real("ELEVATION", area.elevation))
      return kUnreadable;
    console.writeLine(FreeRecord()
                          .add(area.id.view())
                          .add(area.shape)
                          .add(area.x)
                          .add(area.y)
                          .add(area.xLength)
                          .add(area.yLength)
                          .add(area.slope)
                          .add(area.load)
                          .add(area.elevation));
    if (area.shape != kRectangle && area.shape != kCircle) data.badShapeAreas.append(i);
    if (!isLayerBoundary(data, area.elevation)) data.offBoundaryAreas.append(i);
  }
  return 0;
}

}  // namespace

std::int32_t readProblemThroughAreas(InputLines& input, ProblemData& data,
                                     const RunOutputs& outputs) {
  RecordReader reader(input, outputs);
  if (const std::int32_t status = readControlRecords(reader, data)) return status;
  if (const std::int32_t status = readLayers(reader, data, outputs.console)) return status;
  if (const std::int32_t status = readCurves(reader, data, outputs)) return status;
  if (const std::int32_t status = readPoints(reader, data, outputs.console)) return status;
  return readAreas(reader, data, outputs.console);
}

std::int32_t readPiles(InputLines& input, ProblemData& data, const RunOutputs& outputs) {
  RecordReader reader(input, outputs);
  reader.begin("PILE COUNT RECORD");
  if (!reader.integer("NUMBER OF PILES", data.pileCount)) return kUnreadable;
  const std::string pileCountPlace = reader.placeOfField(1);
  reader.begin("PILE LOAD DEPTH MODE RECORD");
  if (!reader.integer("PILE LOAD DEPTH MODE", data.pileLoadDepthMode)) return kUnreadable;
  outputs.console.writeLine(
      FreeRecord().add(data.pileCount).add(data.pileLoadDepthMode).add(data.areaCount));
  if (data.pileCount <= 0) return 0;

  // Piles follow the areas in the load table; a negative area count leaves no area before them.
  const std::int32_t firstPile = std::max(data.areaCount, 0) + 1;
  const std::int32_t room = kMaxLoads - (firstPile - 1);
  if (data.pileCount > room) {
    const std::string rest = FixedLine()
                                 .text("WHICH WITH THE ")
                                 .text(FreeRecord().add(firstPile - 1))
                                 .text(" LOADED AREAS IS ABOVE THE CAPACITY OF ")
                                 .text(FreeRecord().add(kMaxLoads))
                                 .text(" LOADS")
                                 .str();
    writeDataErrorMessage(outputs, pileCountPlace, found(data.pileCount, rest));
    return kOutOfRange;
  }
  if (data.pileLoadDepthMode < 1 || data.pileLoadDepthMode > 3) {
    reader.rejectField(1, found(data.pileLoadDepthMode, "WHICH IS NOT 1, 2 OR 3"));
    return kOutOfRange;
  }
  for (std::int32_t j = 1; j <= data.pileCount; ++j) {
    LoadedArea& pile = data.loads[firstPile - 1 + j];
    reader.begin(numbered("PILE RECORD", j));
    std::int32_t unusedNumber = 0;
    if (!reader.integer("PILE NUMBER", unusedNumber) || !reader.real("X", pile.x) ||
        !reader.real("Y", pile.y) || !reader.real("X LENGTH", pile.xLength) ||
        !reader.real("Y LENGTH", pile.yLength) || !reader.real("ELEVATION", pile.elevation) ||
        !reader.real("TOP DEPTH", pile.pileTopDepth) ||
        !reader.real("TIP DEPTH", pile.pileTipDepth) || !reader.real("LOAD", pile.load))
      return kUnreadable;
    pile.id.assign("");
    pile.shape = kPile;
  }
  return 0;
}

}  // namespace veldor
