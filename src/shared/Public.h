#pragma once
// The shared data of the tool: one instance, owned by the program, reset by tests.
// Each section belongs to one area of the code; add fields in the section they belong to.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "shared/RegisterTable.h"
#include "shared/Settings.h"
#include "shared/TableSizes.h"

namespace posmod {

struct Public {
    // --- settings and register table ---
    Settings set;
    RegisterTable reg;

    // --- main window: model selection ---
    int ModuleType = 0;               // 1 JV-ZR, 2 VELTA-7W, 3 VELTAK7W, 4 ZRH, 5 JV-ZR4
    std::string InitControlWord;
    int ReplyStatusOffset = 0;        // 2 while an RS-232C station number is stored
    int SendCancel = 0;               // 0 while a transfer runs, -1 when idle or cancelled
    int ModelSelectReady = 0;
    std::string DataSourceCaption;    // "[Csv file]" or ""

    // --- name, option-text and default tables ---
    // Filled by ParmName_Set and DefaultData_Set (shared/NameTables.h). Entry k of a row table
    // belongs to grid row k, of a column table to grid column k; the entries below the first
    // row or column stay empty.
    std::array<std::string, kParamRows + 1> PrmNameJV, PrmName7W, PrmName7WK; // rows 1-12
    std::array<std::string, kZr4ParamRows + 1> PrmNameZ4;                     // rows 1-23
    std::array<std::string, 6> RunModeNameJV;                                 // rows 1-5
    std::array<std::string, 5> RunModeName7W;                                 // rows 1-4
    std::array<std::string, kParamRows + 1> PrmDefault;                       // rows 1-12
    std::array<std::string, kZr4ParamRows + 1> PrmDefaultZ4;                  // rows 1-23
    std::array<std::string, 7> AutoDefault;                                   // columns 2-6
    std::array<std::string, 9> AutoDefaultZ4;                                 // columns 2-8
    // Choices of the in-place option box: entries 0-9 texts, entry 10 the index of the last
    // valid entry as decimal text; entry 0 "NO_DATA" offers nothing.
    using OptionListArray = std::array<std::string, 11>;
    OptionListArray OptionList;

    // --- parameter editors: what the operation-mode display decodes ---
    int RunModeCol = 2;      // 2 "Current data", 3 "Setting data"
    int RunModeDecimal = 0;  // 1 while the calling editor shows decimal values

    // --- link: the task-code set chosen at every opening (the link's own state is in Link) ---
    std::string TaskCode1, TaskCode2, TaskCode3;

    // --- tasks ---
    std::string ModuleField;
    int ModuleVariant = 0;
    std::array<std::string, 4> StatusReg_Data, ErrorCode_Data, CurrentValue_Data;
    std::string ControlWord;
    int Z4CommandIndex = 0;
    std::string Z4SubData1, Z4SubData2, Z4SubData3;
    std::string Z4DataBlock;
    // Four-axis stores (axis 0-3 = A-D): parameters as read, the positioning table
    // (step 0-255, axis, word 0-8), the parameter blocks to write and the step texts.
    struct Z4WordRec { std::string Word, SetWord; };
    struct Z4PrmAxisRec { uint8_t Flag = 0; std::array<std::string, 19> Word; };
    using Z4StepRec = std::array<std::array<Z4WordRec, 9>, 4>;
    std::array<std::array<Z4WordRec, 19>, 4> Z4PrmData;
    std::vector<Z4StepRec> Z4AutoData = std::vector<Z4StepRec>(kStepCount); // on the heap: ~600 kB
    std::array<Z4PrmAxisRec, 4> Z4PrmAxis;
    std::string Z4StepNo, Z4StepCmd, Z4StepData;

    // --- control and status windows ---
    uint8_t Z4AxisMask = 0;                      // checked axes of the four-axis command, A 1 B 2 C 4 D 8
    uint8_t Z4DataCancel = 0;                    // data dialog: 0 OK, 99 cancelled
    std::array<std::string, 9> StatusText_Data;  // one status word decoded: bits 15..8, then the step
    // True from the start to the end of a control command or status snapshot, the messages
    // and the status window included; no other link operation starts meanwhile.
    bool ControlBusy = false;

    // --- transfer ---
    struct StepRangeRec { int32_t Result = 0, FirstStep = 0, LastStep = 0; };  // Result 3 set, 2 cancelled
    struct AxisStepRangeRec { int32_t AxisNo = 0, FirstStep = 0, LastStep = 0; }; // AxisNo 99 cancelled
    StepRangeRec StepRange;
    AxisStepRangeRec AxisStepRange;
    std::string RangeTitle;                   // the range dialog's caption word ("Print", "Default data setting ")
    std::array<int32_t, 4> CsvStoreRange{};   // kind (3 = cancelled), axes, first step, last step
    int32_t TeachStepNo = 0;
    int32_t AutoRowCount = 0;
    std::string CsvFileName;
    std::string CsvItem;
    std::array<int16_t, RegisterTable::kRows + 1> CsvReadIndex{};  // entries 1..CsvReadCount
    int32_t CsvReadCount = 0;
    // True from the start to the end of a wait-window transfer, also after Cancel was pressed
    // while the current item is still in flight; windows taking part refuse to close meanwhile.
    bool TransferBusy = false;

    // --- print preview ---
    int PrintDataKind = 0;                  // the table previewed, 0-9
    std::string PrintAxesPerPage = "1";     // page setting: axes per printed page (kind 1)
    std::string PrintStepsPerPage = "20";   // steps per printed page (kinds 5-9)
    std::array<float, 4> MarginValue{};     // page setting: top, bottom, left, right (twips)
};

void Public_Reset(Public& p);

} // namespace posmod
