#pragma once

namespace sorvanta {

// Runs the whole game and returns the process's exit status.
int appMain(int argc, char** argv);

}  // namespace sorvanta
