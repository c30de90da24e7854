/* veldor: foundation-settlement analysis engine.
 *
 * A host writes an input data file and the control file names.dat in the
 * current directory, calls IVELDOR(4, 0), and reads the status word it
 * returns; the report, plot file and message file are then on disk.
 * Calls must not overlap: the engine keeps its problem in static storage.
 */
#ifndef VELDOR_VELDOR_H
#define VELDOR_VELDOR_H

#include <stdint.h>

#if defined(_WIN32)
#define VELDOR_CALL __stdcall
#if defined(VELDOR_BUILDING_LIBRARY)
#define VELDOR_EXPORT __declspec(dllexport)
#else
#define VELDOR_EXPORT __declspec(dllimport)
#endif
#else
#define VELDOR_CALL
#define VELDOR_EXPORT __attribute__((visibility("default")))
#endif

/* The only request code that runs an analysis. */
#define VELDOR_REQUEST_RUN 4

/* Status words returned by IVELDOR. */
/** The run completed; the report ends with its form-feed line. */
#define VELDOR_STATUS_COMPLETED 0
/** The request code was not 4; nothing was read or written. */
#define VELDOR_STATUS_REQUEST_REFUSED 1
/** The run's files cannot be set up (names.dat, a blank or clashing name, a file that cannot be
 * opened). */
#define VELDOR_STATUS_FILES_NOT_SET_UP 10
/** A compressibility curve declares more than 48 points; the report holds only its heading. */
#define VELDOR_STATUS_TOO_MANY_CURVE_POINTS 11
/** Loaded areas failed the shape or layer-boundary check; the report lists them. */
#define VELDOR_STATUS_AREA_CHECKS_FAILED 12
/** A compressibility-curve pressure is 0.0; Table 3 ends with the error block. */
#define VELDOR_STATUS_ZERO_CURVE_PRESSURE 13
/** An input value cannot be read as its field's type, or the input ends before a record the run
 * needs. */
#define VELDOR_STATUS_UNREADABLE_INPUT 14
/** Input data outside the engine's capacities or ranges. */
#define VELDOR_STATUS_INPUT_OUT_OF_RANGE 15

#ifdef __cplusplus
extern "C" {
#endif

/* Runs one analysis when requestCode is 4; the second argument is not used. */
VELDOR_EXPORT int32_t VELDOR_CALL IVELDOR(int32_t requestCode, int32_t unused);

#ifdef __cplusplus
}
#endif

#endif /* VELDOR_VELDOR_H */
