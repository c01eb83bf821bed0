#pragma once

#include "app/SiteFields.h"
#include "platform/TwipsPrinter.h"

#include <array>

// Site fields with the site window's captions and the given texts, in the
// window's row order: File Number, Design Number, County, Project, Project
// Number, Structure Location (Station), Stream, Designer.
inline SiteFields SampleSiteFields(const std::array<QString, 8>& texts) {
    const char* captions[] = {"File Number", "Design Number",  "County",
                              "Project",     "Project Number", "Structure Location (Station)",
                              "Stream",      "Designer"};
    SiteFields fields;
    for (size_t i = 0; i < fields.size(); ++i) {
        fields[i] = {captions[i], texts[i]};
    }
    return fields;
}

// The first text of the page that reads exactly so, or nullptr.
inline const PrintedText* FindText(const PrintedPage& page, const QString& text) {
    for (const PrintedText& t : page.texts) {
        if (t.text == text) {
            return &t;
        }
    }
    return nullptr;
}
