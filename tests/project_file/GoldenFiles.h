#pragma once

#include <fstream>
#include <sstream>
#include <string>

// The hand-written project files of tests/project_file/golden.
inline std::string GoldenPath(const std::string& name) {
    return std::string(TW_GOLDEN_DIR) + "/" + name;
}

inline std::string ReadGolden(const std::string& name) {
    std::ifstream file(GoldenPath(name), std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}
