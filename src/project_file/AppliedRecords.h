#pragma once

#include "project_file/FieldReader.h"
#include "project_file/ProjectFileFormat.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ProjectFileFormat {

// What a read applied, so that nothing it applied is lost without a word: for
// every place a record sets (its section, its item or group, and the integers
// after it up to its first text: an index, a row, a column), the last record
// that set it.
class AppliedRecords {
public:
    // Takes the record of section `number` whose marker stands on `line` and
    // whose fields run from `record` to `end`, as applied. A record that sets
    // again a place that an earlier one set to another value is added to
    // `skipped`: the earlier value is lost.
    void Add(int number, int line, const FieldReader& record, const FieldReader& end,
             SkippedRecords& skipped);

    // Adds to `skipped`, in file order, every record applied that `saved` (the
    // project as a save writes it after the read) does not give back, where it
    // stood and with its value as a save stores it: a save would drop it,
    // because of where it landed or what stands around it. Two kinds lose
    // nothing: a record of blank texts, which a save leaves out, and a choice
    // (a record of integers only) that differs from the one saved only where
    // it holds -1, the writers' mark for no selection: a window keeps the
    // selection that clearing or the record's other fields left, and a save
    // writes that, as it does for a file it wrote itself.
    void CountUnsaved(std::string_view saved, SkippedRecords& skipped) const;

private:
    struct Applied {
        int number;
        int line;
        FieldReader record;
        size_t end;    // the offset just past the record's fields
        size_t value;  // a hash of the fields after the place
        size_t stored; // a hash of the whole record as a save stores it
        bool choice;
        bool blank;
    };

    // The last record for each place, in the order the places were first set,
    // found by a hash of the place.
    std::vector<Applied> records_;
    std::unordered_map<size_t, size_t> byPlace_;
};

} // namespace ProjectFileFormat
