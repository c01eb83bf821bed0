#pragma once

#include <cups/cups.h>

#include <optional>

// The functions of the CUPS library that printing calls, each under its own
// name and with the type its declaration gives it, so the compiler checks
// every call. The library itself is loaded at run time; tests fill these with
// a fake library's answers.
struct CupsLibrary {
    decltype(&::cupsGetNamedDest) cupsGetNamedDest = nullptr;
    decltype(&::cupsGetOption) cupsGetOption = nullptr;
    decltype(&::cupsFreeDests) cupsFreeDests = nullptr;
    decltype(&::cupsCreateJob) cupsCreateJob = nullptr;
    decltype(&::cupsStartDocument) cupsStartDocument = nullptr;
    decltype(&::cupsWriteRequestData) cupsWriteRequestData = nullptr;
    decltype(&::cupsFinishDocument) cupsFinishDocument = nullptr;
    decltype(&::cupsCancelJob2) cupsCancelJob2 = nullptr;
    decltype(&::cupsLastErrorString) cupsLastErrorString = nullptr;
};

// The system's CUPS library, loaded once; nullopt when it or one of its
// functions is missing.
std::optional<CupsLibrary> LoadCupsLibrary();
