#include "cli/interrupt_watch.h"

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>

// Asks the module's interruptRequested(), which the node launcher gives.
EM_JS(int, corvaneInterruptRequested, (), { return Module['interruptRequested'] ? Module['interruptRequested']() : 0; });

namespace corvane {

bool interruptRequestedByHost() { return corvaneInterruptRequested() != 0; }

}  // namespace corvane
#endif
