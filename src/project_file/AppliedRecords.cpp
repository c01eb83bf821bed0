#include "project_file/AppliedRecords.h"

#include "project_file/FieldEncoding.h"
#include "project_file/RecordFields.h"
#include "project_file/RecordNames.h"
#include "project_file/Tools.h"

#include <algorithm>
#include <functional>
#include <string>
#include <unordered_map>

namespace ProjectFileFormat {
namespace {

uint64_t Mix(uint64_t x) {
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9u;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebu;
    return x ^ (x >> 31);
}

// The hash of a run of fields, one more field's hash taken in: the order
// counts, and so do the bounds between fields.
uint64_t Extend(uint64_t hash, uint64_t field) {
    return Mix(hash * 0x9e3779b97f4a7c15u + field);
}

// A field as a save stores it: trimmed of blanks, in UTF-8 (as the read
// converts it), and an integer in its plain form, so that "03" and "3" name
// one row and a text with blanks around it holds the value a save keeps.
struct StoredField {
    uint64_t hash;
    bool integer;
    int value;  // when an integer
    bool text;  // quoted, or no integer
    bool empty; // no character left
};

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

StoredField Stored(const RecordFields::Field& field) {
    std::string converted;
    std::string_view text = field.text;
    if (!IsAscii(text) && !FieldEncoding::IsUtf8(text)) {
        converted = FieldEncoding::Windows1252ToUtf8(text);
        text = converted;
    }
    text = Tools::TrimBlanks(text);
    StoredField stored{0, false, 0, false, text.empty()};
    stored.integer = FieldReader::ParseInteger(text, stored.value) == std::errc();
    stored.text = field.quoted || !stored.integer;
    stored.hash = stored.integer ? Mix(static_cast<uint32_t>(stored.value))
                                 : std::hash<std::string_view>()(text);
    return stored;
}

// A record as a save stores it, by hashes of its stored fields. Its place is
// the section, the item (or group) and the fields after it up to its first
// text; a record without a text carries one value and goes by its item alone.
struct StoredRecord {
    uint64_t place = 0;
    uint64_t value = 0; // the fields after the place
    uint64_t whole = 0; // every field, wherever the place ends
    bool choice = true; // integers only
    bool blank = true;  // every text empty
};

// The record of section `number` whose fields `fields` gives, to the end of
// its place only when `placeOnly`.
StoredRecord StoredRecordOf(int number, RecordFields& fields, bool placeOnly) {
    StoredRecord record;
    const auto take = [&record, &fields] {
        const StoredField field = Stored(fields.Next());
        if (field.text) {
            record.choice = false;
            record.blank = record.blank && field.empty;
        }
        return field.hash;
    };
    uint64_t whole = Extend(Mix(static_cast<uint64_t>(number)), take());
    const uint64_t item = whole;
    uint64_t afterItem = 0;
    while (!fields.AtEnd() && !fields.NextQuoted()) {
        const uint64_t field = take();
        whole = Extend(whole, field);
        afterItem = Extend(afterItem, field);
    }
    if (fields.AtEnd()) {
        record.place = item;
        record.value = afterItem;
    } else {
        record.place = whole;
        if (placeOnly) {
            return record;
        }
        while (!fields.AtEnd()) {
            const uint64_t field = take();
            whole = Extend(whole, field);
            record.value = Extend(record.value, field);
        }
    }
    record.whole = whole;
    record.blank = record.blank && !record.choice;
    return record;
}

StoredRecord StoredRecordOf(int number, std::string_view fields) {
    RecordFields read(fields);
    return StoredRecordOf(number, read, false);
}

// The integers after the item of a choice.
std::vector<int> ChoiceOf(RecordFields fields) {
    std::vector<int> values;
    fields.Next();
    while (!fields.AtEnd()) {
        values.push_back(Stored(fields.Next()).value);
    }
    return values;
}

// A choice that asks for what `written` holds: the same integers, save that
// -1 (no selection) takes whatever stands in its place.
bool SameChoice(const std::vector<int>& applied, const std::vector<int>& written) {
    return std::equal(applied.begin(), applied.end(), written.begin(), written.end(),
                      [](int a, int w) { return a == -1 || a == w; });
}

// A project file as the writers wrote it: every record as a save stores it,
// and the value of every choice by its place.
class WrittenRecords {
public:
    explicit WrittenRecords(std::string_view content) {
        RecordFields fields(content);
        while (fields.Offset() < content.size()) {
            fields.StartLine();
            const int number = SectionNumber(fields.Next().text);
            if (number != 0 && !fields.AtEnd()) {
                const RecordFields start = fields;
                const StoredRecord record = StoredRecordOf(number, fields, false);
                stored_.Insert(record.whole, 0);
                if (record.choice) {
                    choices_.try_emplace(record.place, ChoiceOf(start));
                }
            }
            while (!fields.AtEnd()) {
                fields.Next();
            }
        }
    }

    // Whether a record stored so, by the hash of its whole stored form, was written.
    bool Holds(uint64_t whole) const { return stored_.Contains(whole); }

    bool HoldsChoice(uint64_t place, const std::vector<int>& choice) const {
        const auto found = choices_.find(place);
        return found != choices_.end() && SameChoice(choice, found->second);
    }

private:
    HashIndex stored_;
    std::unordered_map<uint64_t, std::vector<int>> choices_;
};

// Whether the record of the marker and fields stands in `saved` at `pos`.
bool RecordAt(std::string_view saved, size_t pos, std::string_view marker,
              std::string_view fields) {
    const std::string_view at = saved.substr(pos);
    const size_t markerEnd = marker.size() + 1;
    return at.size() >= markerEnd + 2 + fields.size() && at.front() == '"' &&
           at.substr(1, marker.size()) == marker && at.substr(markerEnd, 2) == "\"," &&
           at.substr(markerEnd + 2, fields.size()) == fields;
}

} // namespace

void AppliedRecords::Add(int number, int line, const FieldReader& record, const FieldReader& end,
                         SkippedRecords& skipped) {
    const std::string_view fields = end.ReadSince(record);
    const auto index = static_cast<uint32_t>(records_.size());
    records_.push_back({fields, line, static_cast<uint8_t>(number), false});
    RecordFields place(fields);
    const auto [last, first] = byPlace_.Insert(StoredRecordOf(number, place, true).place, index);
    if (first) {
        return;
    }
    Applied& earlier = records_[last];
    earlier.replaced = true;
    last = index;
    // The same record twice loses nothing.
    if (StoredRecordOf(number, earlier.fields).value != StoredRecordOf(number, fields).value) {
        skipped.Add([&, earlierLine = earlier.line] {
            return RecordNames::Named("The value of line " + std::to_string(earlierLine) +
                                          ", replaced by a second record for the same field",
                                      line, Section(number), record);
        });
    }
}

bool AppliedRecords::SavedAsRead(std::string_view saved) const {
    size_t pos = 0;
    for (const Applied& applied : records_) {
        if (applied.replaced) {
            continue;
        }
        if (!applied.fields.ends_with("\r\n")) {
            return false;
        }
        const std::string_view marker = Section(applied.number).marker;
        while (!RecordAt(saved, pos, marker, applied.fields)) {
            const size_t lineEnd = saved.find("\r\n", pos);
            if (lineEnd == std::string_view::npos) {
                return false;
            }
            pos = lineEnd + 2;
        }
        pos += marker.size() + 3 + applied.fields.size();
    }
    return true;
}

void AppliedRecords::CountUnsaved(std::string_view saved, SkippedRecords& skipped) const {
    // A file that this program wrote gives every record back as it stands,
    // and needs no record by record look.
    if (SavedAsRead(saved)) {
        return;
    }
    const WrittenRecords written(saved);
    for (const Applied& applied : records_) {
        if (applied.replaced) {
            continue;
        }
        const StoredRecord record = StoredRecordOf(applied.number, applied.fields);
        if (record.blank || written.Holds(record.whole) ||
            (record.choice &&
             written.HoldsChoice(record.place, ChoiceOf(RecordFields(applied.fields))))) {
            continue;
        }
        skipped.Add([&applied] {
            return RecordNames::Named("A value that a save would not write back", applied.line,
                                      Section(applied.number), FieldReader(applied.fields));
        });
    }
}

} // namespace ProjectFileFormat
