#pragma once

#include <QString>

#include <benchmark/benchmark.h>

// The example project with every grid that a read grows filled to its row
// cap, as the program saves it: made at the start of each benchmark that
// times it, through the program's own Open and Save.

inline constexpr const char* RowCapNotOpened = "the row-cap project did not open without a message";

// The row-cap project at `path`; false, with the benchmark skipped, when it
// does not open silently.
bool MakeRowCapProject(benchmark::State& state, const QString& path);
