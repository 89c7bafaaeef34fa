#include "puzzle/placeholders.h"

namespace sorvanta {

std::shared_ptr<TTutorial> tutorial;

int _updateTutorial(const std::shared_ptr<TEkran>&, int) { return 0; }
int _drawTutorial(const std::shared_ptr<TEkran>&) { return 0; }

}  // namespace sorvanta
