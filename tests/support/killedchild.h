#pragma once
// Killing a writer at a random point of its work: a child process repeats one write for ever and
// is killed with SIGKILL after a random delay, as a crash or a power cut would stop the program.
// Only what reached the disk is left to judge.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <random>
#include <thread>

namespace norvex5::testing {

// Runs write(0), write(1), ... in a child until it is killed, `delay` after the child started
// writing. True when the child was really killed mid-way (it never ends by itself).
inline bool killWhileWriting(const std::function<void(long round)>& write, std::chrono::microseconds delay) {
    int ready[2];
    if (pipe(ready) != 0) return false;
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        close(ready[0]);
        const char byte = 1;
        if (::write(ready[1], &byte, 1) != 1) _exit(3);
        for (long round = 0;; ++round) write(round);
    }
    close(ready[1]);
    char byte = 0;
    const bool started = read(ready[0], &byte, 1) == 1;
    close(ready[0]);
    std::this_thread::sleep_for(delay);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    return started && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// Delays spread over [0, longest], the same for every run of the tests.
class RandomDelays {
public:
    explicit RandomDelays(std::chrono::microseconds longest) : spread_(0, longest.count()) {}
    std::chrono::microseconds next() { return std::chrono::microseconds(spread_(random_)); }

private:
    std::mt19937 random_{20261208};
    std::uniform_int_distribution<long> spread_;
};

}  // namespace norvex5::testing
