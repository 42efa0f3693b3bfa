// SPDX-License-Identifier: MIT
#include "BenchSupport.h"

int main(int argc, char** argv) { return zept::bench::runAndReport(argc, argv); }
