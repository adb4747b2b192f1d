// The program's pseudo-random generator: uniform floats in [0, 1), reseeded from the clock.
#pragma once

namespace globulon {

void ReseedRandom(double seed);
float UniformRandom();

}  // namespace globulon
