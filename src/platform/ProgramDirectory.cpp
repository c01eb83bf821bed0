#include "platform/ProgramDirectory.h"

#include <filesystem>
#include <system_error>

std::string ProgramDirectory() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return std::filesystem::current_path().string();
    }
    return exe.parent_path().string();
}
