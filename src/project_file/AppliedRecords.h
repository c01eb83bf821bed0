#pragma once

#include "project_file/FieldReader.h"
#include "project_file/HashIndex.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/StoredRecord.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ProjectFileFormat {

// What a read applied, so that nothing it applied is lost without a word: for
// every place a record sets (its section, its item or group, and the integers
// after it up to its first text: an index, a row, a column), the last record
// that set it. It keeps the records' characters, not copies: the file's
// content must outlive it.
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
        std::string_view fields; // the record's characters after its marker
        int line;
        uint8_t number;
        bool replaced; // a later record set its place again
    };

    // The records of one item (or group) of a section. Their places, as the
    // writers write them, come in rising order, and so differ from each
    // other: they are looked up by place only once one comes out of order.
    struct Item {
        IntegerPlace last;
        std::vector<uint32_t> records; // while in rising order
        bool rising = true;
    };

    // The record that set the place last that the applied record `index`,
    // whose place of integers is `place` (empty for another place), now
    // sets; none when it is the first.
    std::optional<uint32_t> SetPlace(const IntegerPlace& place, uint32_t index);
    std::optional<uint32_t> SetPlaceByHash(uint32_t index);
    Item& ItemOf(int number, int item);

    // Whether `saved` holds each record that stands applied, in file order,
    // character for character, as a file that this program wrote does.
    bool SavedAsRead(std::string_view saved) const;

    // Every record applied, in file order.
    std::vector<Applied> records_;
    // By section and item, the last one met apart.
    std::unordered_map<uint64_t, Item> items_;
    uint64_t lastItemKey_ = 0;
    Item* lastItem_ = nullptr;
    // The last record for each place out of rising order, by a hash of the place.
    HashIndex byPlace_;
};

} // namespace ProjectFileFormat
