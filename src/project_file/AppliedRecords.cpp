#include "project_file/AppliedRecords.h"

#include "project_file/RecordFields.h"
#include "project_file/RecordNames.h"

#include <algorithm>

namespace ProjectFileFormat {
namespace {

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
                const StoredRecord record = StoredRecordOf(number, fields);
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

// A reader at the first field of the record whose fields are `fields`, as
// the read stood there: just past the comma or line end that ended the
// record's marker, which stands in the file right before them.
FieldReader ReaderAt(std::string_view fields) {
    FieldReader reader(std::string_view(fields.data() - 1, fields.size() + 1));
    reader.ReadText();
    return reader;
}

} // namespace

void AppliedRecords::Add(int number, int line, const FieldReader& record, const FieldReader& end,
                         SkippedRecords& skipped) {
    const std::string_view fields = end.ReadSince(record);
    const auto index = static_cast<uint32_t>(records_.size());
    records_.push_back({fields, line, static_cast<uint8_t>(number), false});
    const std::optional<IntegerPlace> plain = PlainPlaceOf(fields);
    const std::optional<uint32_t> last =
        SetPlace(plain ? *plain : StoredRecordOf(number, fields, true).integerPlace, index);
    if (!last) {
        return;
    }
    Applied& earlier = records_[*last];
    earlier.replaced = true;
    // The same record twice loses nothing; any other form of its value does.
    if (!SameValueCharacters(number, earlier.fields, fields)) {
        skipped.Add([&, earlierLine = earlier.line] {
            return RecordNames::Named("The value of line " + std::to_string(earlierLine) +
                                          ", replaced by a second record for the same field",
                                      line, Section(number), record);
        });
    }
}

std::optional<uint32_t> AppliedRecords::SetPlace(const IntegerPlace& place, uint32_t index) {
    if (place.size == 0) {
        // A place with another field than integers meets only its like.
        return SetPlaceByHash(index);
    }
    Item& item = ItemOf(records_[index].number, place.fields[0]);
    if (item.rising && (item.records.empty() || item.last < place)) {
        item.last = place;
        item.records.push_back(index);
        return std::nullopt;
    }
    if (item.rising) {
        // Out of order: from now on each place of the item is looked up.
        item.rising = false;
        for (const uint32_t earlier : item.records) {
            SetPlaceByHash(earlier);
        }
        item.records = {};
    }
    return SetPlaceByHash(index);
}

std::optional<uint32_t> AppliedRecords::SetPlaceByHash(uint32_t index) {
    const Applied& applied = records_[index];
    const auto [last, first] =
        byPlace_.Insert(StoredRecordOf(applied.number, applied.fields, true).place, index);
    if (first) {
        return std::nullopt;
    }
    const uint32_t earlier = last;
    last = index;
    return earlier;
}

AppliedRecords::Item& AppliedRecords::ItemOf(int number, int item) {
    const uint64_t key = static_cast<uint64_t>(number) << 32 | static_cast<uint32_t>(item);
    if (!lastItem_ || key != lastItemKey_) {
        lastItemKey_ = key;
        lastItem_ = &items_[key];
    }
    return *lastItem_;
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
                                      Section(applied.number), ReaderAt(applied.fields));
        });
    }
}

} // namespace ProjectFileFormat
