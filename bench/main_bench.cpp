// SPDX-License-Identifier: MIT
// The benchmarks' entry point: BenchSupport runs every registered benchmark
// and prints the library-against-raw pairs.
#include "BenchSupport.h"

int main(int argc, char** argv) { return zept::bench::runAndReport(argc, argv); }
