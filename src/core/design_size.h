#pragma once
// The design area every screen is drawn in: 1024 x 768 units, letterboxed to
// the real window or screen.
namespace sorvanta {

constexpr int kDesignWidth = 1024;
constexpr int kDesignHeight = 768;

}  // namespace sorvanta
