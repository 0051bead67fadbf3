#include "Core/Assert.h"

#include <iostream>

void ReportFailedAssertion(const char* text, const char* file, int line) {
    std::cout << "Assertion failed: " << text << ", file " << file << ", line " << line
              << std::endl;
}
