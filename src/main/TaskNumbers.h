#pragma once
// The numbers of the tasks Tasks::TaskSend runs, and the steps of the positioning table
// whose numbers a task or a range may carry (kLastStep, kStepCount).
#include "shared/TableSizes.h"

namespace posmod {

inline constexpr int kTaskOpen = 1;         // opening: the initial control word, status settled
inline constexpr int kTaskWriteRow = 2;     // one register row written (index: the row)
inline constexpr int kTaskReadRow = 3;      // one register row read (index: the row)
inline constexpr int kTaskControlWord = 4;  // the control word sent
inline constexpr int kTaskReadStatus = 5;   // the status words read
inline constexpr int kTaskReadAxisZ4 = 6;   // four-axis parameters of one axis read (index: the axis)
inline constexpr int kTaskReadStepZ4 = 7;   // four-axis step read (index: the step)
inline constexpr int kTaskWriteAxisZ4 = 8;  // four-axis parameters of one axis written (index: the axis)
inline constexpr int kTaskWriteStepZ4 = 9;  // four-axis step written (Z4StepNo, Z4StepCmd, Z4StepData)
inline constexpr int kTaskCommandZ4 = 10;   // four-axis control command sent
inline constexpr int kTaskTeach = 11;       // four-axis teaching (Z4StepNo, Z4StepCmd)

} // namespace posmod
