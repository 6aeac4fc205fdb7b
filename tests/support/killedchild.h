#pragma once
// Killing a writer at a random point of its work: a child process repeats one write for ever and
// is killed with SIGKILL after a random delay, as a crash or a power cut would stop the program.
// Only what reached the disk is left to judge.

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <random>
#include <thread>

namespace norvex5::testing {

// Runs write(0), write(1), ... in a child until it is killed: `delay` after the child started
// writing, or after it finished `roundsFirst` whole rounds. True when the child was really killed
// (it never ends by itself).
inline bool killWhileWriting(const std::function<void(long round)>& write, std::chrono::microseconds delay,
                             int roundsFirst = 0) {
    int ready[2];
    if (pipe(ready) != 0) return false;
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        close(ready[0]);
        // One byte when it starts and one after each round; once the parent stops listening the
        // pipe may fill or close, and the child must go on writing rather than wait or die.
        fcntl(ready[1], F_SETFL, O_NONBLOCK);
        signal(SIGPIPE, SIG_IGN);
        const char byte = 1;
        if (::write(ready[1], &byte, 1) != 1) _exit(3);
        for (long round = 0;; ++round) {
            write(round);
            [[maybe_unused]] const auto ignored = ::write(ready[1], &byte, 1);
        }
    }
    close(ready[1]);
    char byte = 0;
    bool started = true;
    for (int heard = 0; heard <= roundsFirst && started; ++heard) started = read(ready[0], &byte, 1) == 1;
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
