#include "window/form1.h"

namespace ombrelo::window {

// Every entry point from Qt into a handler is made here, each through the dispatcher.
void Form1::connectHandlers() {}

}  // namespace ombrelo::window
