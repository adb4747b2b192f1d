// The pseudo-random generator of the pen colours: uniform floats in [0, 1), seeded from the clock.
// Each run owns one, so a test can make a fresh one and replay its draws.
#pragma once

#include <functional>
#include <random>

namespace globulon {

class RandomSource {
  public:
    // seed: a clock reading in seconds; its milliseconds seed the generator.
    void Reseed(double seed);
    float Uniform();
    // The draws as a function, for what takes one (the saver core, the colour pick). The source
    // must outlive it.
    std::function<float()> Draws() {
        return [this] { return Uniform(); };
    }

  private:
    std::mt19937 generator_;
};

}  // namespace globulon
