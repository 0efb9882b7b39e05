#pragma once
// The read sequences: a model's parameters before a parameter editor opens, a window of
// positioning steps before a positioning editor opens, and the step read back after teaching.
#include <cstdint>

namespace posmod {

class Transfer;

// Mode 1: the register table rebuilt (four-axis: the stores cleared), the parameters read.
uint8_t ParamRead_Run(Transfer& t);
// Mode 5: the positioning block narrowed to the chosen steps and read.
uint8_t AutoRead_Run(Transfer& t);
// Mode 11: step TeachStepNo of all four axes read back.
uint8_t TeachRead_Run(Transfer& t);

// The sequences themselves, as the wait window names them.
uint8_t CpuPrmReadsub(Transfer& t);
uint8_t CpuAutoReadsub(Transfer& t);
uint8_t CpuAuto_Teachsub(Transfer& t);

} // namespace posmod
