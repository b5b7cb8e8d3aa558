// mirelon-tool: reads and writes Mirelon books from the command line, exactly as the program does.
#include <iostream>

#include "tool/tool_commands.h"

int main(int argc, char** argv) { return mirelon::tool::RunTool({argv + 1, argv + argc}, std::cout, std::cerr); }
