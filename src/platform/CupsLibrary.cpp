#include "platform/CupsLibrary.h"

#include <QLibrary>

namespace {

template <class Function> bool Resolve(QLibrary& library, Function& function, const char* symbol) {
    function = reinterpret_cast<Function>(library.resolve(symbol));
    return function != nullptr;
}

} // namespace

// Loaded as Qt loads its own CUPS printer support, so the program runs where
// the library is missing; it then has no system printers.
std::optional<CupsLibrary> LoadCupsLibrary() {
    static QLibrary library(QStringLiteral("cups"), 2);
    if (!library.load()) {
        return std::nullopt;
    }
    CupsLibrary cups;
    // Each function is looked up by the name of the member that holds it.
#define TW_RESOLVE(function) Resolve(library, cups.function, #function)
    const bool complete = TW_RESOLVE(cupsGetNamedDest) && TW_RESOLVE(cupsGetOption) &&
                          TW_RESOLVE(cupsFreeDests) && TW_RESOLVE(cupsCreateJob) &&
                          TW_RESOLVE(cupsStartDocument) && TW_RESOLVE(cupsWriteRequestData) &&
                          TW_RESOLVE(cupsFinishDocument) && TW_RESOLVE(cupsCancelJob2) &&
                          TW_RESOLVE(cupsLastErrorString);
#undef TW_RESOLVE
    return complete ? std::optional<CupsLibrary>(cups) : std::nullopt;
}
