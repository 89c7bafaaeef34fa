#pragma once
// What the cells' drawing takes from outside the puzzle: the picture style
// of painted Fill cells (a setting of the options screen, which sits above
// the puzzle and binds it at start-up), the developer key that shows the
// solution, and the spark a flashing Fill clue throws.
#include <functional>

namespace sorvanta {

// The image kind (0 or 1) of painted cells and palette entries. Unbound, 0.
// An empty function unbinds.
void BindPictureStyle(std::function<int()> source);
int PictureStyle();

// 1 while the developer keys are on and D is held: cells show their solution.
int SolutionShown();

// One spark of a flashing clue, from (x1, y1) outward to (x2, y2), image n,
// colour (r, g, b), turning to endRotation degrees as it fades.
void createFlashSpark(int n, float x1, float y1, float x2, float y2, int r, int g, int b, float endRotation);

}  // namespace sorvanta
