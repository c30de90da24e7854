#include "engine/run_analysis.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "engine/control_file.h"
#include "engine/file_setup.h"
#include "engine/local_clock.h"
#include "engine/run_files.h"
#include "input/problem_reader.h"
#include "input/soil_profile.h"
#include "report/heading.h"
#include "report/input_tables.h"
#include "report/page_header.h"
#include "report/plot_file.h"
#include "report/result_tables.h"
#include "settlement/settlement_passes.h"
#include "stress/stress_increase.h"
#include "veldor/veldor.h"

namespace veldor {

namespace {

constexpr const char* kControlFileName = "names.dat";

std::int32_t readRunControl(RunControl& control, TextOutput& console) {
  std::error_code error;
  const auto fileStatus = std::filesystem::status(kControlFileName, error);
  if (!std::filesystem::exists(fileStatus)) {
    console.writeLine("FILE ERROR: THE CONTROL FILE names.dat IS NOT IN THE CURRENT DIRECTORY");
    return VELDOR_STATUS_FILES_NOT_SET_UP;
  }
  if (!std::filesystem::is_regular_file(fileStatus)) {
    console.writeLine("FILE ERROR: THE CONTROL FILE names.dat IS NOT A REGULAR FILE");
    return VELDOR_STATUS_FILES_NOT_SET_UP;
  }
  std::ifstream stream(kControlFileName, std::ios::in | std::ios::binary);
  if (!stream.is_open()) {
    console.writeLine("FILE ERROR: THE CONTROL FILE names.dat CANNOT BE OPENED");
    return VELDOR_STATUS_FILES_NOT_SET_UP;
  }
  switch (readControlFile(stream, control)) {
    case ControlFileOutcome::kComplete:
      return 0;
    case ControlFileOutcome::kDataErrors:
      console.writeLine("DATA ERRORS");
      return 0;
    case ControlFileOutcome::kEndsEarly:
      console.writeLine("FILE ERROR: THE CONTROL FILE names.dat ENDS BEFORE ITS TENTH LINE");
      return VELDOR_STATUS_FILES_NOT_SET_UP;
    case ControlFileOutcome::kUnreadable:
      break;
  }
  console.writeLine("FILE ERROR: THE CONTROL FILE names.dat CANNOT BE READ");
  return VELDOR_STATUS_FILES_NOT_SET_UP;
}

// Steps 6 to 13 of a run: everything between opening the files and the final page break.
// Returns 0 when the run completed, otherwise the status of its stop.
std::int32_t analyseProblem(ProblemData& data, RunFiles& files, const RunOutputs& outputs) {
  InputLines input(files.input);
  if (const std::int32_t status = readProblemThroughAreas(input, data, outputs)) return status;
  if (data.badShapeAreas.count > 0 || data.offBoundaryAreas.count > 0) {
    writeDataCheckMessages(data, outputs);
    return VELDOR_STATUS_AREA_CHECKS_FAILED;
  }
  if (const std::int32_t status = readPiles(input, data, outputs)) return status;
  if (const std::int32_t status = buildSoilProfile(data, outputs)) return status;

  if (writeTables1To3(data, outputs.report)) return VELDOR_STATUS_ZERO_CURVE_PRESSURE;
  writeTables4And5(data, outputs.report, outputs.plot);

  computeStressIncrease(data, outputs.message);

  if (data.pointCount > 0) {
    if (data.sublayerCount > 0) computeAverageStressIncrease(data);
    writeTable6(data, outputs.report);
    if (const std::int32_t status = computeSettlements(data, outputs)) return status;
  }
  writePointCountRecord(outputs.plot, data);
  if (data.pointCount > 0) writeTable7(data, outputs.report, outputs.plot);
  writePlotEnd(outputs.plot);
  writePageBreak(outputs.report);
  return 0;
}

}  // namespace

void setAnalysisClock(ClockReader clock) { libraryState().clock = clock; }

std::int32_t runRequest(std::int32_t requestCode) {
  if (requestCode != VELDOR_REQUEST_RUN) return VELDOR_STATUS_REQUEST_REFUSED;
  std::int32_t status = VELDOR_STATUS_COMPLETED;
  RunAnalysis(status);
  return status;
}

void RunAnalysis(std::int32_t& status) {
  LibraryState& state = libraryState();
  ConsoleOutput console;
  RunFiles files;
  const RunOutputs outputs{files.report, files.plot, files.message, console};

  std::int32_t outcome = readRunControl(state.control, console);
  if (outcome == 0) outcome = openReportFile(state.control, files, console);
  if (outcome == 0) {
    writeBanner(files.report, state.control.versionLabel.view(), state.control.preparedBy.view());
    writeFileNameEcho(files.report, state.control, state.pathPieces);
    files.report.writeLine("");
    writeDateBlock(files.report, state.clock != nullptr ? state.clock() : readLocalClock());
    outcome = openDataFiles(state.control, files, console);
  }
  if (outcome == 0) {
    console.writeLine("          EXECUTION IN PROGRESS");
    console.writeLine("");
    outcome = analyseProblem(state.problem, files, outputs);
  }
  if (outcome != 0) status = outcome;
  files.closeAll();
}

}  // namespace veldor
