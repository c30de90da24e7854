#include "engine/library_state.h"

namespace veldor {

namespace {
// Static storage: zero-initialised when the library is loaded.
LibraryState state;
}  // namespace

LibraryState& libraryState() { return state; }

}  // namespace veldor
