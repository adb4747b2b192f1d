// The program's pseudo-random generator: uniform floats in [0, 1), reseeded from the clock.
#pragma once

namespace globulon {

// seed: a clock reading in seconds; its milliseconds seed the generator.
void ReseedRandom(double seed);
float UniformRandom();

}  // namespace globulon
