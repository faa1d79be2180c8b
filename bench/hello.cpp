// SPDX-License-Identifier: MIT
// The floor for korvane's start-up: a C++ program that prints one line.
#include <cstdio>

int main() { return std::puts("ABCDEF") < 0; }
