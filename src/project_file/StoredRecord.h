#pragma once

#include "project_file/RecordFields.h"

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace ProjectFileFormat {

// A place whose fields are all integers, as nearly every record's is: its
// item (or group), then its index, row or column. Empty for any other place.
struct IntegerPlace {
    static constexpr size_t MaxFields = 4;
    std::array<int, MaxFields> fields{};
    size_t size = 0;

    auto operator<=>(const IntegerPlace& other) const {
        return std::lexicographical_compare_three_way(
            fields.begin(), fields.begin() + static_cast<std::ptrdiff_t>(size),
            other.fields.begin(), other.fields.begin() + static_cast<std::ptrdiff_t>(other.size));
    }
};

// A record as a save stores it, by hashes: every field trimmed of blanks, in
// UTF-8 as the read converts it, and every integer in its plain form, so that
// "03" and "3" name one row and a text with blanks around it holds the value
// a save keeps. Its place is the section, the item (or group) and the fields
// after it up to its first text; a record without a text carries one value
// and goes by its item alone.
struct StoredRecord {
    uint64_t place = 0;
    IntegerPlace integerPlace;
    // Where the fields after the place begin, in characters of the fields read.
    size_t valueOffset = 0;
    uint64_t whole = 0; // every field, wherever the place ends
    bool choice = true; // integers only
    bool blank = true;  // every text empty
};

// The record of section `number` whose fields `fields` gives (from its item
// on), read to its end, or to the end of its place only when `placeOnly`
// (then whole, choice and blank are not worked out).
StoredRecord StoredRecordOf(int number, RecordFields& fields, bool placeOnly = false);
StoredRecord StoredRecordOf(int number, std::string_view fields, bool placeOnly = false);

// The place of the record whose fields `fields` gives, read at once from the
// plain form that the writers give every place of integers: digits and
// commas up to the first text, or a choice alone on its line. None for any
// other form, whose place StoredRecordOf works out.
std::optional<IntegerPlace> PlainPlaceOf(std::string_view fields);

// Whether the records whose fields `a` and `b` give, of one place in section
// `number`, hold the same value in the same characters: a second record that
// a save would store alike ("123" after "00123", "14.64" after " 14.64") still
// changes what the window shows.
bool SameValueCharacters(int number, std::string_view a, std::string_view b);

// The integers after the item of a choice, whose fields `fields` gives.
std::vector<int> ChoiceOf(RecordFields fields);

} // namespace ProjectFileFormat
