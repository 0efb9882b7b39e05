#pragma once
// The sizes of the module's tables, which the shared stores are built with and every
// subsystem counts with: the steps of the positioning table and the parameter rows of an axis.

namespace posmod {

// The positioning table: steps 0..kLastStep.
inline constexpr int kLastStep = 255;
inline constexpr int kStepCount = kLastStep + 1;

// Parameter grid rows 1..n of an axis.
inline constexpr int kParamRows = 12;    // one-axis model; each axis of the two-axis models
inline constexpr int kZr4ParamRows = 23; // each axis of the four-axis model

} // namespace posmod
