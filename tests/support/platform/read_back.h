#pragma once
// What tests and benchmarks read back of the platform layer and the game
// never asks: the drawing state, the renderer's name, the system pointer.
#include <string>

namespace sorvanta {

void GetColor(int& red, int& green, int& blue);
int GetBlend();
void GetScale(float& x, float& y);
float GetRotation();
// Name of the renderer the open mode draws with ("software", "opengl", ...),
// "" when none is open.
std::string RendererName();
// Whether the system's pointer is hidden (HideMouse), as the system has it.
bool MouseHidden();

}  // namespace sorvanta
