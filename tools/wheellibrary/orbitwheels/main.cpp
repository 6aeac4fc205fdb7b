// The smallest wheel made of whole orbits of x -> a*x + b (mod p) that it finds over every prime p
// from the number of numbers down to six fewer and every order of the factors a, each group in an
// equal share of the time (a share one group leaves goes to those after it). Written as a wheel
// file: numbers from 1, ';' between them, one board a line. make-library checks it and keeps it
// when it is smaller than the library's wheel.
//
//   norvex5_orbitwheels --numbers V --guarantee T --if M [--board-size K] [--seconds S] --out FILE
//
// Prints the number of boards written; exits with 1 when no group gave a wheel.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "workshop/orbitcover.h"

using namespace norvex5::workshop;

int main(int argc, char** argv) {
    int v = 0, t = 0, m = 0, k = kBoardSize;
    double seconds = 60;
    std::string out;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--numbers") v = std::atoi(argv[i + 1]);
        else if (option == "--guarantee") t = std::atoi(argv[i + 1]);
        else if (option == "--if") m = std::atoi(argv[i + 1]);
        else if (option == "--board-size") k = std::atoi(argv[i + 1]);
        else if (option == "--seconds") seconds = std::atof(argv[i + 1]);
        else if (option == "--out") out = argv[i + 1];
        else {
            std::fprintf(stderr, "norvex5_orbitwheels: unknown option %s\n", option.c_str());
            return 2;
        }
    }
    if (k < 2 || k > kBoardSize || v < k || v > 30 || t < 2 || t > k || m < t || m > kBoardSize || out.empty()) {
        std::fprintf(stderr, "usage: norvex5_orbitwheels --numbers V (K-30) --guarantee T --if M (2<=T<=M<=5, T<=K) "
                             "[--board-size K (2-5)] [--seconds S] --out FILE\n");
        return 2;
    }
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const std::vector<AffineGroup> groups = affineGroupsFor(v);
    std::vector<std::uint64_t> best;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const double left = seconds - std::chrono::duration<double>(Clock::now() - start).count();
        const auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
                                                 std::max(0.0, left / double(groups.size() - i))));
        const std::int64_t fewerThan = best.empty() ? INT64_MAX : static_cast<std::int64_t>(best.size());
        OrbitCover cover = smallestOrbitCover(v, {t, m}, groups[i], deadline, fewerThan, k);
        std::fprintf(stderr, "p=%d d=%d, %d numbers staying: %d orbits of boards, %d of subsets: %s%s\n",
                     groups[i].prime, groups[i].order, v - groups[i].prime, cover.boardOrbits, cover.subsetOrbits,
                     cover.boards.empty() ? "nothing smaller" : (std::to_string(cover.boards.size()) + " boards").c_str(),
                     cover.finished ? " (searched through)" : " (out of time)");
        if (!cover.boards.empty()) best = std::move(cover.boards);
    }
    if (best.empty()) return 1;
    std::vector<std::vector<int>> lines;
    for (std::uint64_t board : best) {
        std::vector<int> numbers;
        for (; board != 0; board &= board - 1) numbers.push_back(__builtin_ctzll(board) + 1);
        lines.push_back(numbers);
    }
    std::sort(lines.begin(), lines.end());
    std::ofstream file(out, std::ios::binary);
    for (const auto& numbers : lines) {
        for (std::size_t i = 0; i < numbers.size(); ++i) file << (i ? ";" : "") << numbers[i];
        file << "\r\n";
    }
    file.close();
    if (!file) return 1;
    std::printf("%zu\n", best.size());
    return 0;
}
