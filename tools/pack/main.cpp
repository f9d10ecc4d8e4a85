#include "pack/PackTool.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    PackTool tool(std::cout, std::cerr);
    const int status = tool.run(std::vector<std::string>(argv + 1, argv + argc));
    std::cout.flush();
    return status;
}
