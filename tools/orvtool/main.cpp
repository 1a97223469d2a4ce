// orvtool: builds out.orv from script.txt without the dialog, and shows what is inside an ORV file.
#include "command_line.h"

int main(int argc, char** argv) { return RunCommandLine(argc, argv); }
