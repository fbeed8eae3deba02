// The long soak run: random commands and faults against the programmer simulator with a fresh
// seed each time (or the one given, to repeat a run). Prints the seed first, so a run that
// crashes or hangs can be repeated, then the counts and every broken promise.
//   ops_soak [--seed N] [--steps N]
#include "tests/ops/SoakRun.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    quint32 seed = std::random_device{}();
    int steps = 20000;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--seed") == 0) {
            seed = static_cast<quint32>(std::stoul(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--steps") == 0) {
            steps = std::stoi(argv[i + 1]);
        } else {
            std::fprintf(stderr, "usage: %s [--seed N] [--steps N]\n", argv[0]);
            return 2;
        }
    }
    std::printf("soak seed %u, %d steps (repeat with --seed %u)\n", seed, steps, seed);
    std::fflush(stdout);

    QTemporaryDir dir;
    QElapsedTimer timer;
    timer.start();
    const SoakReport report = runSoak(ZORVEX_SIM_LIBRARY, dir.path(), seed, steps);
    std::printf("%s\n%.1f s\n", soakSummary(report).c_str(), static_cast<double>(timer.elapsed()) / 1000.0);
    for (const std::string& failure : report.failures)
        std::printf("BROKEN: %s\n", failure.c_str());
    return report.failures.empty() ? 0 : 1;
}
