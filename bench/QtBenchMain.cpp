// SPDX-License-Identifier: GPL-3.0-or-later
// The main() of the benchmarks that use the history database.

#include <benchmark/benchmark.h>

#include <QCoreApplication>

// The database driver is a plugin, which Qt loads only inside an application object.
int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
