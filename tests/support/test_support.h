// Helpers shared by the tests.
#pragma once
#include <fstream>
#include <sstream>
#include <string>

// The folder this test process works in, ending in '/'.
const char* test_scratch_folder(void);

// The whole of a file, or "" when it cannot be read.
inline std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void write_file(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}
