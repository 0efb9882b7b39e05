#pragma once
// Copies between a CSV file and the module without an editor: mode 9 sends a file to the
// module, mode 10 saves the module's data chosen in the store-range dialog to a file. The
// register models use the register CSV file, the four-axis model the transfer file
// (transfer/Z4TransferCsv.h).
#include <cstdint>

#include "shared/Public.h"

namespace posmod {

class Transfer;

// Mode 9, register models: the whole file read and checked, then the link opened and each
// row found written in file order.
uint8_t Csv_Writesub(Transfer& t);
// Mode 10, register models: the rows of the store range read, then the file written.
uint8_t Csv_Readsub(Transfer& t);
// Mode 9, four-axis model: the whole file read and checked, then the parameter blocks of the
// axes and the steps it holds written.
uint8_t CsvZ4_Writesub(Transfer& t);
// Mode 10, four-axis model: the parameters of the chosen axes and the chosen steps read,
// then the transfer file written.
uint8_t CsvZ4_Readsub(Transfer& t);

// The register rows the store range (CsvStoreRange) chooses, into CsvReadIndex 1..n and
// CsvReadCount; returns n.
int32_t ReadItem_ListSet(Public& p);

} // namespace posmod
