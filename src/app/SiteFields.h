#pragma once

#include <QString>

#include <array>

// The eight texts that identify the project's culvert site, in the one order
// used everywhere: on screen, in the printed block and in the project file.
enum class SiteField {
    FileNumber,
    DesignNumber,
    County,
    Project,
    ProjectNumber,
    StructureLocation,
    Stream,
    Designer
};

struct SiteFieldText {
    QString caption; // the label's caption, without a colon
    QString text;    // exactly as typed
};

using SiteFields = std::array<SiteFieldText, 8>;

inline const SiteFieldText& Field(const SiteFields& fields, SiteField which) {
    return fields[static_cast<size_t>(which)];
}
