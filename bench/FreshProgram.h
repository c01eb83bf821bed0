#pragma once

#include <QString>

#include <optional>

// File Open timed as a user meets it after starting the program: in a process
// of its own, in which nothing was opened or saved before. A benchmark that
// made its project through the program's own Open and Save would otherwise
// time an Open in a warmed process (its heap grown, every grid already filled
// once).

// The option by which tarnwell_ui_bench becomes such a process, followed by
// the project to open and the file to save it as.
inline constexpr const char* FreshProgramOption = "--open-in-fresh-program";

class BenchProgram;

// Seconds taken by File Open of the project, then File Save As of it, then
// File Open of it again over what the first left.
struct FreshProgramTimes {
    double open = 0;
    double saveAs = 0;
    double reopen = 0;
};

// The three actions in `program`, in turn, so that their ratios are measured
// on the same machine load; none when an Open gave a message.
std::optional<FreshProgramTimes> TimeOpenSaveAsOpen(BenchProgram& program, const QString& project,
                                                    const QString& saved);

// In the process started with FreshProgramOption: starts the program, times
// the three actions and prints their seconds on one line. Returns 0 when both
// Opens gave no message.
int TimeOpenInThisProgram(const QString& project, const QString& saved);

// Runs this program again with FreshProgramOption; none when that process
// failed or an Open gave a message.
std::optional<FreshProgramTimes> TimeOpenInFreshProgram(const QString& project,
                                                        const QString& saved);
