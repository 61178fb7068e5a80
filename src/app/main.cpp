// Pendrel: the program entry hands the command line to the shell.
#include <string>
#include <vector>

#include "app/shell.h"

int main(int argc, char** argv) { return runGame(std::vector<std::string>(argv + 1, argv + argc)); }
