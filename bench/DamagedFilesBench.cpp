// Open of damaged files far larger than any project, each kind at two sizes:
// the time of Open grows no faster than the file, whatever its records hold.
#include "BenchProgram.h"
#include "BenchSupport.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

namespace {

const std::string Header = "\"TARNWELLSOFTWAREVSHACHS\"\r\n\"ENGLISHUNITS\"\r\n"
                           "\"VERSION\",\"2.00\"\r\n";
const std::string End = "\"END_OF_FILE\"\r\n";

enum class Damage {
    RepeatedRecord, // one record, the same each time
    ChangedRecord,  // one place set again and again to another value
    UnknownItems,   // records of items that no section knows
    EmptyFields,    // lines of commas
    AfterTheEnd,    // the example's records again and again after its end record
};

// `megabytes` of records of the damage, inside a header and an end record.
std::string DamagedFile(Damage damage, int64_t megabytes) {
    const size_t size = static_cast<size_t>(megabytes) << 20;
    std::string file = damage == Damage::AfterTheEnd ? Example() : Header;
    const std::string records =
        Example().substr(Header.size(), Example().size() - Header.size() - End.size());
    for (int i = 0; file.size() < size; ++i) {
        switch (damage) {
        case Damage::RepeatedRecord:
            file += "\"SITEIDINFO7438579\",4,\"Route 614\"\r\n";
            break;
        case Damage::ChangedRecord:
            file += "\"SITEIDINFO7438579\",4,\"Route " + std::to_string(i) + "\"\r\n";
            break;
        case Damage::UnknownItems:
            file += "\"SITEIDINFO7438579\"," + std::to_string(100 + i) + ",\"x\"\r\n";
            break;
        case Damage::EmptyFields:
            file += std::string(78, ',') + "\r\n";
            break;
        case Damage::AfterTheEnd:
            file += records;
            break;
        }
    }
    return damage == Damage::AfterTheEnd ? file : file + End;
}

void OpenDamagedFile(benchmark::State& state, Damage damage) {
    BenchProgram program;
    QTemporaryDir dir;
    const QString path = dir.filePath("damaged.twl");
    if (!program.Started() || !WriteBytes(path, DamagedFile(damage, state.range(0)))) {
        state.SkipWithError("the program did not start or the file could not be written");
        return;
    }
    double seconds = 0;
    for (auto _ : state) {
        const std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
        program.Open(path);
        seconds += Seconds(std::chrono::steady_clock::now() - start);
    }
    state.counters["ms_per_MB"] = 1000 * seconds / static_cast<double>(state.iterations()) /
                                  static_cast<double>(state.range(0));
}

#define TW_DAMAGED(name)                                                                           \
    BENCHMARK_CAPTURE(OpenDamagedFile, name, Damage::name)                                         \
        ->Arg(4)                                                                                   \
        ->Arg(16)                                                                                  \
        ->Unit(benchmark::kMillisecond)

TW_DAMAGED(RepeatedRecord);
TW_DAMAGED(ChangedRecord);
TW_DAMAGED(UnknownItems);
TW_DAMAGED(EmptyFields);
TW_DAMAGED(AfterTheEnd);

} // namespace
