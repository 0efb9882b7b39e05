#pragma once
// What the CSV window tests share: a file dialog answering from a list of names, and whole-file
// reads and writes for checking what the tool saved and feeding it what it should load.
#include <QFileDialog>
#include <QString>

#include <deque>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace posmod::test {

// The next of the names as the dialog's answer; an empty name, or none left, is Cancel.
inline bool AnswerFrom(std::deque<std::string>& names, QFileDialog& d)
{
    const std::string name = names.empty() ? "" : names.front();
    if (!names.empty()) names.pop_front();
    if (name.empty()) return false;
    d.selectFile(QString::fromStdString(name));
    return true;
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

// The text with the first `from` replaced by `to`; a `from` not there fails the test.
inline std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

} // namespace posmod::test
