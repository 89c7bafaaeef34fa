#pragma once
// Whole frames compared pixel for pixel with reference pictures kept in
// tests/data/pictures/. A frame unlike its reference fails the test, and the
// frame and its difference are written as PNG files into the build's
// tests/pictures/ folder, which the failure names. With
// SORVANTA_REMAKE_PICTURES=1 (tools/remake-pictures) the frames become the
// references instead.
#include <memory>
#include <string>

#include "platform/pixmap.h"

namespace sorvanta::test {

// The pixmap's colours as an 8-bit RGB PNG file (alpha left out); false when
// it cannot be written.
bool WritePng(const TPixmap& pixmap, const std::string& path);

// Fails the running test unless frame has the size and colours of the
// reference picture name ("menu" for tests/data/pictures/menu.png).
void ExpectPicture(const std::shared_ptr<TPixmap>& frame, const std::string& name);

}  // namespace sorvanta::test
