#include "RowCapProject.h"

#include "BenchProgram.h"
#include "BenchSupport.h"
#include "FilledGrids.h"

#include "platform/FlexGrid.h"

#include <string>

namespace {

// The project as the program saves it, at `path`: `content` opened and saved
// again, so that what is timed is a file the program wrote itself. False when
// `content` does not open without a message.
bool SaveAsTheProgramWould(const std::string& content, const QString& path) {
    BenchProgram program;
    const QString written = path + ".written";
    if (!WriteBytes(written, content) || !program.Open(written)) {
        return false;
    }
    program.SaveAs(path);
    return true;
}

} // namespace

bool MakeRowCapProject(benchmark::State& state, const QString& path) {
    if (SaveAsTheProgramWould(WithGridsFilledTo(Example(), FlexGrid::MaxRows), path)) {
        return true;
    }
    state.SkipWithError(RowCapNotOpened);
    return false;
}
