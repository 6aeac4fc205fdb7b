#pragma once
// The generator's random numbers: xoshiro256**, seeded through splitmix64. Fast, and the same
// numbers on every platform for the same seed, which the standard distributions do not promise:
// a run limited by moves must end with the same wheel wherever it is made.

#include <cstdint>

namespace norvex5::workshop {

class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed) {
        for (auto& s : state_) {
            seed += 0x9e3779b97f4a7c15ULL;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
            s = z ^ (z >> 31);
        }
    }
    std::uint64_t next() {
        const std::uint64_t result = rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = rotl(state_[3], 45);
        return result;
    }
    // 0..n-1 (n > 0), without the bias of a plain remainder worth speaking of.
    std::uint32_t below(std::uint32_t n) {
        return static_cast<std::uint32_t>(((next() >> 32) * static_cast<std::uint64_t>(n)) >> 32);
    }
    double unit() { return double(next() >> 11) * 0x1.0p-53; }
    // One of the set bits of a mask, chosen evenly. The mask must not be empty: there is no bit
    // to give, and a caller with an empty mask has lost track of its state.
    int bitOf(std::uint64_t mask) {
        for (std::uint32_t k = below(static_cast<std::uint32_t>(__builtin_popcountll(mask))); k > 0; --k)
            mask &= mask - 1;
        return __builtin_ctzll(mask);
    }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t state_[4];
};

}  // namespace norvex5::workshop
