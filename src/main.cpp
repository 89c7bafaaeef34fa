// The game's entry point: everything else lives in the library.
#include "app/app_main.h"

int main(int argc, char** argv) { return sorvanta::appMain(argc, argv); }
