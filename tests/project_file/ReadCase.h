#pragma once

#include "ProjectFileFrame.h"
#include "ProjectFileHarness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A file of records after the header, for a table of them, and what the read
// of it gives.
struct ReadCase {
    const char* what;
    std::string records; // from line 4 on
    ProjectFileHarness::Result result;
    // The one record named (empty: none), or the fault that ended the read.
    std::string named;
};

inline void ExpectRead(const ReadCase& c) {
    SCOPED_TRACE(c.what);
    const ProjectFileHarness::Outcome outcome =
        ProjectFileHarness::Read(ProjectFileFrame::Header + c.records);
    ASSERT_EQ(outcome.result, c.result) << outcome.error;
    if (c.result == ProjectFileHarness::Result::Failed) {
        EXPECT_EQ(outcome.error, c.named);
    } else if (c.named.empty()) {
        EXPECT_EQ(outcome.skipped.Named(), std::vector<std::string>());
    } else {
        ASSERT_EQ(outcome.skipped.Count(), 1u);
        EXPECT_EQ(outcome.skipped.Named()[0], c.named);
    }
}
