#include <iostream>

#include "workshop/cli/wheelstool.h"

int main(int argc, char** argv) {
    return norvex5::workshop::runWheelsTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
