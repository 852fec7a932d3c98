// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the calculator against a bare Qt window, run alternately in one
// session: time from process start to the first frame, and peak memory by then.
// Usage: startup OSTREL_FIRST_FRAME BARE_WINDOW [RUNS]

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Sample {
    double milliseconds;
    long peakKiB;
};

long long MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

bool Measure(const char* program, Sample& sample) {
    int out[2];
    if (pipe(out) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char* argv[] = {const_cast<char*>(program), nullptr};
    const long long started = MonotonicNs();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) return close(out[0]), false;

    std::string report;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) report.append(buffer, std::size_t(n));
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);

    long long frameNs = 0;
    if (std::sscanf(report.c_str(), "first-frame-ns %lld peak-rss-kib %ld", &frameNs, &sample.peakKiB) != 2)
        return false;
    sample.milliseconds = double(frameNs - started) / 1e6;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

template <typename T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OSTREL_FIRST_FRAME BARE_WINDOW [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 15;
    std::vector<double> ostrelMs, bareMs;
    std::vector<long> ostrelKiB, bareKiB;
    Sample sample{};
    // One warm-up each, so that neither pays alone for the disk cache.
    if (!Measure(argv[1], sample) || !Measure(argv[2], sample)) {
        std::fprintf(stderr, "a program did not report its first frame\n");
        return 1;
    }
    for (int run = 0; run < runs; ++run) {
        for (const bool ostrel : {true, false}) {
            if (!Measure(ostrel ? argv[1] : argv[2], sample)) {
                std::fprintf(stderr, "a program did not report its first frame\n");
                return 1;
            }
            (ostrel ? ostrelMs : bareMs).push_back(sample.milliseconds);
            (ostrel ? ostrelKiB : bareKiB).push_back(sample.peakKiB);
        }
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const double ostrelTime = Median(ostrelMs), bareTime = Median(bareMs);
    const double ostrelMiB = Median(ostrelKiB) / 1024.0, bareMiB = Median(bareKiB) / 1024.0;
    std::printf("platform %s, %d runs each, medians\n", platform ? platform : "(default)", runs);
    std::printf("  start to first frame: ostrel %.1f ms, bare window %.1f ms, ratio %.2f\n", ostrelTime,
                bareTime, ostrelTime / bareTime);
    std::printf("  peak memory:          ostrel %.1f MiB, bare window %.1f MiB, ratio %.2f\n", ostrelMiB,
                bareMiB, ostrelMiB / bareMiB);
    // A shared machine slows some runs for reasons of its own; the fastest runs
    // show what each program costs when nothing else intervenes.
    const double ostrelFastest = *std::min_element(ostrelMs.begin(), ostrelMs.end());
    const double bareFastest = *std::min_element(bareMs.begin(), bareMs.end());
    std::printf("  fastest run:          ostrel %.1f ms, bare window %.1f ms, ratio %.2f\n", ostrelFastest,
                bareFastest, ostrelFastest / bareFastest);
    return 0;
}
