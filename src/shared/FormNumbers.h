#pragma once
// The form numbers by which the lock, the window table and the transfer modes name windows.
namespace posmod::form {

inline constexpr int frmMain = 0;
inline constexpr int frmParmJV = 1;
inline constexpr int frmParmZr4 = 2;
inline constexpr int frmParm7W = 3;
inline constexpr int frmAutoRunJVMode = 4;
inline constexpr int frmAutoRun7WMode = 5;
inline constexpr int frmAutoRunZr4Mode = 6;
inline constexpr int frmSeigyoJVCmd = 7;
inline constexpr int frmSeigyo7WCmd = 8;
inline constexpr int frmSeigyoZ4Cmd = 9;
inline constexpr int frmTeach_Command = 11;
inline constexpr int kCount = 12; // 0..11; 10 names no window
inline constexpr int kNone = -1;

} // namespace posmod::form
