#include "shell/console_app.h"

int main(int argc, char** argv) { return vrq::runConsole(vrq::Product::Multi, argc, argv); }
