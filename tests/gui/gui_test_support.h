#pragma once
// Helpers for the layout tests: the stdout lines a call prints and the
// committed test images.
#include <string>

#include "gui/gui.h"
#include "support/stdout_lines.h"

namespace sorvanta::testing_gui {

using test::StdoutLines;

// The committed test images: btn.png 40x20 red, over.png 40x20 blue,
// panel.png 100x60 green.
inline std::string DataDir() { return std::string(SORVANTA_SOURCE_DIR) + "/tests/gui/data/"; }

}  // namespace sorvanta::testing_gui
