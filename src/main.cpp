#include "cli/CommandLine.h"

int main(int argc, char** argv) { return nimbara::RunMain(argc, argv); }
