#pragma once
// What tests and benchmarks read back of the platform layer and the game
// never asks (the drawing state, the mode, the renderer, the system
// pointer), and the drivers they choose for it.
#include <string>

namespace sorvanta {

void GetColor(int& red, int& green, int& blue);
int GetBlend();
void GetScale(float& x, float& y);
float GetRotation();

bool GraphicsOpen();
bool GraphicsFullScreen();
// True when the open window was given the picture of SetWindowIconFile.
bool WindowIconShown();
// Name of the renderer the open mode draws with ("software", "opengl", ...),
// "" when none is open.
std::string RendererName();
// Whether the system's pointer is hidden (HideMouse), as the system has it.
bool MouseHidden();

// Chooses SDL's video driver and renderer ("" leaves SDL's own choice) for the
// next mode, overriding the environment. Closes the open mode.
void SetGraphicsDriver(const std::string& videoDriver, const std::string& renderDriver);
// Name of the video driver in use ("x11", "dummy", ...), "" before SDL video starts.
std::string VideoDriverName();

}  // namespace sorvanta
