// The pseudo-random generator of the pen colours: uniform floats in [0, 1) from one integer seed.
// Each run owns one, so a test can make a fresh one and replay its draws.
#pragma once

#include <cstdint>
#include <functional>
#include <random>

namespace globulon {

class RandomSource {
  public:
    RandomSource() = default;
    explicit RandomSource(std::uint32_t seed) { Reseed(seed); }

    void Reseed(std::uint32_t seed) { generator_.seed(seed); }
    float Uniform();
    // The draws as a function, for what takes one (the saver core, the colour pick). The source
    // must outlive it.
    std::function<float()> Draws() {
        return [this] { return Uniform(); };
    }

  private:
    std::mt19937 generator_;
};

// The seed a clock reading in seconds gives: its milliseconds, so that two starts within one
// second get different colours. A reading no clock gives (negative, not a number, beyond 64 bits
// of milliseconds) gives 0.
std::uint32_t SeedFromClockSeconds(double seconds);

// The seed of a process that may start at the same moment as others (a host starts one per
// monitor), each of which must draw its own colours: mixed from a clock reading in nanoseconds and
// the process id, so that processes differing in either, by even one nanosecond or one id, get
// unrelated seeds.
std::uint32_t SeedFromClockAndProcess(std::int64_t clockNanoseconds, std::int64_t processId);

}  // namespace globulon
