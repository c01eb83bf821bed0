#pragma once

#include "platform/CupsLibrary.h"
#include "platform/PrintQueue.h"

#include <memory>
#include <optional>

// The system's queues as a CUPS library reports them and takes their jobs;
// without a library every printer is not available.
std::unique_ptr<PrintQueue> MakeCupsPrintQueue(std::optional<CupsLibrary> cups);
