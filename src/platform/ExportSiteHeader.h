#pragma once

#include <string>

class TextExportWriter;

// The site identification texts that head every exported file, as typed.
struct ExportSiteIdentity {
    std::string county;
    std::string fileNumber;
    std::string projectNumber;
    std::string station;
};

// The two lines every export starts with: labels, then the trimmed texts; the
// project number stands in for a blank file number.
void WriteExportSiteHeader(TextExportWriter& out, const ExportSiteIdentity& site);
