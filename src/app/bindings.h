#pragma once
// The seams by which lower layers reach up (the frame cycle, the screen's
// layout, the click sound, the text folders, the dialogs), bound to the
// game's own parts.
namespace sorvanta {

// Binds every seam; each bound function reads the singletons when it runs,
// so it may be called before they exist.
void bindLayers();

}  // namespace sorvanta
