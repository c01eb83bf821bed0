#pragma once

#include <QString>

#include <chrono>
#include <string>

// What the benchmarks of the program share: the files they read and write,
// times and memory.

std::string FileBytes(const QString& path);
bool WriteBytes(const QString& path, const std::string& bytes);

// The example project's bytes.
const std::string& Example();

double Seconds(std::chrono::steady_clock::duration duration);

// Resident memory of this process, from the kernel's own account.
double ResidentMegabytes();
