// Starts each probe many times, taking turns so that a busy machine weighs on all alike, and
// times each start from the spawn until the probe says "ready". A probe that has not said it
// within the time limit is killed and the run fails: no probe can hang the bench.
//
//   norvex5_startup_driver <runs> <limit seconds> empty=<command> <name>=<command> ...
//
// A command is a program and its arguments, separated by blanks. The probe named "empty" is the
// yardstick: for every other one the driver prints <name>_ms=<median> (its fastest and slowest)
// and <name>_vs_empty_qt=<its median over the empty one's>, one line each, in the order given.
// With a probe named "text_window" among them (the empty window with one line of text, which is
// what loading the fonts alone costs), a last line gives each other probe's median over that one's
// as <name>_vs_text_window=<ratio>: the part of a start that is the program's own.

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Probe {
    std::string name;
    std::vector<std::string> command;
    std::vector<double> times;
};

// The time from spawn to "ready" in milliseconds; negative, with what the probe said in `said`,
// when it failed, left without "ready" or overran `limitMs`.
double runOnce(const Probe& probe, double limitMs, std::string& said) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::vector<char*> argv;
    for (const std::string& word : probe.command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);

    const auto begin = std::chrono::steady_clock::now();
    const auto elapsedMs = [&] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
    };
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    said.clear();
    if (spawned != 0) {
        close(pipeEnds[0]);
        said = "could not be started";
        return -1;
    }
    bool overran = false;
    while (said.find("ready") == std::string::npos) {
        const double left = limitMs - elapsedMs();
        pollfd wait{pipeEnds[0], POLLIN, 0};
        if (left <= 0 || poll(&wait, 1, static_cast<int>(left) + 1) == 0) {
            overran = elapsedMs() >= limitMs;
            if (overran) break;
            continue;
        }
        char buffer[256];
        const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
        if (got <= 0) break;
        said.append(buffer, static_cast<std::size_t>(got));
    }
    const double ms = elapsedMs();
    close(pipeEnds[0]);
    if (overran) kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    if (overran) {
        said = "did not say ready within " + std::to_string(static_cast<int>(limitMs / 1000)) + " s";
        return -1;
    }
    if (said.find("ready") == std::string::npos) {
        if (said.empty()) said = "left without a word (status " + std::to_string(status) + ")";
        return -1;
    }
    return ms;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s <runs> <limit seconds> empty=<command> <name>=<command> ...\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const double limitMs = std::max(1.0, std::atof(argv[2])) * 1000;
    std::vector<Probe> probes;
    for (int k = 3; k < argc; ++k) {
        const std::string text = argv[k];
        const std::size_t equals = text.find('=');
        if (equals == std::string::npos) {
            std::fprintf(stderr, "not <name>=<command>: %s\n", argv[k]);
            return 2;
        }
        Probe probe{text.substr(0, equals), {}, {}};
        std::istringstream words(text.substr(equals + 1));
        for (std::string word; words >> word;) probe.command.push_back(word);
        probes.push_back(probe);
    }
    const auto empty = std::find_if(probes.begin(), probes.end(), [](const Probe& p) { return p.name == "empty"; });
    if (empty == probes.end()) {
        std::fprintf(stderr, "no probe named empty\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    // One start of each first, untimed, so that all find their libraries in the page cache.
    std::string said;
    for (int round = 0; round <= runs; ++round)
        for (Probe& probe : probes) {
            const double ms = runOnce(probe, limitMs, said);
            if (ms < 0) {
                std::fprintf(stderr, "probe %s, run %d: %s\n", probe.name.c_str(), round, said.c_str());
                return 1;
            }
            if (round > 0) probe.times.push_back(ms);
        }
    const double emptyMs = median(empty->times);
    std::printf("runs=%d empty_qt_ms=%.1f (%.1f..%.1f)\n", runs, emptyMs,
                *std::min_element(empty->times.begin(), empty->times.end()),
                *std::max_element(empty->times.begin(), empty->times.end()));
    for (const Probe& probe : probes) {
        if (&probe == &*empty) continue;
        const double ms = median(probe.times);
        std::printf("%s_ms=%.1f (%.1f..%.1f) %s_vs_empty_qt=%.2f\n", probe.name.c_str(), ms,
                    *std::min_element(probe.times.begin(), probe.times.end()),
                    *std::max_element(probe.times.begin(), probe.times.end()), probe.name.c_str(), ms / emptyMs);
    }
    const auto text = std::find_if(probes.begin(), probes.end(), [](const Probe& p) { return p.name == "text_window"; });
    if (text != probes.end()) {
        const double textMs = median(text->times);
        const char* separator = "";
        for (const Probe& probe : probes) {
            if (&probe == &*empty || &probe == &*text) continue;
            std::printf("%s%s_vs_text_window=%.2f", separator, probe.name.c_str(), median(probe.times) / textMs);
            separator = " ";
        }
        std::printf("\n");
    }
    return 0;
}
