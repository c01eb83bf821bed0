#include "FreshProgram.h"

#include "BenchProgram.h"
#include "BenchSupport.h"

#include <QCoreApplication>
#include <QProcess>

#include <chrono>
#include <cstdio>
#include <sstream>
#include <string>

std::optional<FreshProgramTimes> TimeOpenSaveAsOpen(BenchProgram& program, const QString& project,
                                                    const QString& saved) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const bool opened = program.Open(project);
    const Clock::time_point openEnd = Clock::now();
    program.SaveAs(saved);
    const Clock::time_point saveEnd = Clock::now();
    const bool reopened = program.Open(project);
    const Clock::time_point reopenEnd = Clock::now();
    if (!opened || !reopened) {
        return std::nullopt;
    }
    return FreshProgramTimes{Seconds(openEnd - start), Seconds(saveEnd - openEnd),
                             Seconds(reopenEnd - saveEnd)};
}

int TimeOpenInThisProgram(const QString& project, const QString& saved) {
    BenchProgram program;
    const std::optional<FreshProgramTimes> times = TimeOpenSaveAsOpen(program, project, saved);
    if (!times) {
        return 1;
    }
    std::printf("%.6f %.6f %.6f\n", times->open, times->saveAs, times->reopen);
    return 0;
}

std::optional<FreshProgramTimes> TimeOpenInFreshProgram(const QString& project,
                                                        const QString& saved) {
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(),
                  {QString::fromLatin1(FreshProgramOption), project, saved});
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return std::nullopt;
    }
    std::istringstream line(process.readAllStandardOutput().toStdString());
    FreshProgramTimes times;
    if (!(line >> times.open >> times.saveAs >> times.reopen)) {
        return std::nullopt;
    }
    return times;
}
