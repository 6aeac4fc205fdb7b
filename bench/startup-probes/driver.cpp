// Starts each probe many times, alternating them so that a busy machine weighs on both alike,
// and times each start from the spawn until the probe says "ready". Prints the medians and, as
// its last line, the program's start-up against the empty window's.
//
//   norvex5_startup_driver <program probe> <empty probe> [runs] [text probe]
//
// The text probe, when given, is timed too and printed for scale: an empty window with a single
// line of text, whose fonts alone cost a good part of what separates any real window from an
// empty one.

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

double runOnce(const char* program) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    char* argv[] = {const_cast<char*>(program), nullptr};

    const auto begin = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        return -1;
    }
    std::string said;
    char buffer[64];
    ssize_t got = 0;
    while (said.find("ready") == std::string::npos && (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0)
        said.append(buffer, static_cast<std::size_t>(got));
    const auto end = std::chrono::steady_clock::now();
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (said.find("ready") == std::string::npos) return -1;
    return std::chrono::duration<double, std::milli>(end - begin).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <program probe> <empty probe> [runs] [text probe]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 15;
    const char* textProbe = argc > 4 ? argv[4] : nullptr;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    // One start of each first, untimed, so that both find the libraries in the page cache.
    if (runOnce(argv[1]) < 0 || runOnce(argv[2]) < 0) {
        std::fprintf(stderr, "a probe did not start or did not say ready\n");
        return 1;
    }
    std::vector<double> program, empty, text;
    for (int i = 0; i < runs; ++i) {
        const double e = runOnce(argv[2]);
        const double p = runOnce(argv[1]);
        const double t = textProbe != nullptr ? runOnce(textProbe) : 0;
        if (e < 0 || p < 0 || t < 0) {
            std::fprintf(stderr, "a probe failed on run %d\n", i + 1);
            return 1;
        }
        empty.push_back(e);
        program.push_back(p);
        text.push_back(t);
    }
    if (textProbe != nullptr)
        std::printf("text_window_ms=%.1f text_window_vs_empty_qt=%.2f\n", median(text), median(text) / median(empty));
    const double programMs = median(program);
    const double emptyMs = median(empty);
    std::printf("runs=%d empty_qt_ms=%.1f (min %.1f) startup_ms=%.1f (min %.1f)\n", runs, emptyMs,
                *std::min_element(empty.begin(), empty.end()), programMs,
                *std::min_element(program.begin(), program.end()));
    std::printf("startup_vs_empty_qt=%.2f startup_ms=%.1f\n", programMs / emptyMs, programMs);
    return 0;
}
