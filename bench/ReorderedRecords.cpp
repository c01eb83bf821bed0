#include "ReorderedRecords.h"

#include <algorithm>
#include <vector>

namespace {

// The signature, units and version lines.
constexpr size_t HeaderLines = 3;

// The record that starts at `pos`, line end included.
std::string_view LineAt(std::string_view project, size_t pos) {
    const size_t end = project.find("\r\n", pos);
    return project.substr(pos, end == std::string_view::npos ? end : end + 2 - pos);
}

std::string_view MarkerOf(std::string_view line) {
    return line.substr(0, std::min(line.find(','), line.find('\r')));
}

// The file's lines, in runs of one marker: a section, a header line or the
// end record each.
std::vector<std::vector<std::string_view>> Runs(std::string_view project) {
    std::vector<std::vector<std::string_view>> runs;
    for (size_t pos = 0; pos < project.size();) {
        const std::string_view line = LineAt(project, pos);
        pos += line.size();
        if (runs.empty() || MarkerOf(runs.back().front()) != MarkerOf(line)) {
            runs.emplace_back();
        }
        runs.back().push_back(line);
    }
    return runs;
}

std::string Joined(const std::vector<std::vector<std::string_view>>& runs) {
    std::string out;
    for (const auto& run : runs) {
        for (const std::string_view line : run) {
            out.append(line);
        }
    }
    return out;
}

} // namespace

std::string WithSectionRecordsReversed(std::string_view project) {
    auto runs = Runs(project);
    for (auto& run : runs) {
        std::reverse(run.begin(), run.end());
    }
    return Joined(runs);
}

std::string WithSectionsReversed(std::string_view project) {
    auto runs = Runs(project);
    if (runs.size() > HeaderLines + 1) {
        std::reverse(runs.begin() + HeaderLines, runs.end() - 1);
    }
    return Joined(runs);
}
