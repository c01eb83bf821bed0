#include "project_file/AppliedRecords.h"

#include "project_file/RecordNames.h"
#include "project_file/Tools.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace ProjectFileFormat {
namespace {

struct Field {
    std::string_view text;
    bool quoted;
};

// The fields of a record as the read took them, from `record` to `end`.
class ReadFields {
public:
    ReadFields(FieldReader record, size_t end) : record_(record), end_(end) {}

    bool AtEnd() const { return record_.Offset() >= end_; }
    bool NextQuoted() const { return record_.NextFieldQuoted(); }
    // Valid until the next call.
    Field Next() {
        const bool quoted = record_.NextFieldQuoted();
        text_ = record_.ReadText();
        return {text_, quoted};
    }

private:
    FieldReader record_;
    size_t end_;
    std::string text_;
};

// The fields of one line of the program's own output from `pos` on, where
// texts are quoted, hold no double quote and are valid UTF-8, and integers
// are bare: read without the checks a file from elsewhere needs.
class WrittenFields {
public:
    WrittenFields(std::string_view content, size_t pos) : content_(content), pos_(pos) {}

    bool AtEnd() const { return atLineEnd_; }
    bool NextQuoted() const { return content_[pos_] == '"'; }
    Field Next() {
        const bool quoted = NextQuoted();
        std::string_view text;
        if (quoted) {
            const size_t close = content_.find('"', pos_ + 1);
            text = content_.substr(pos_ + 1, close - pos_ - 1);
            pos_ = close + 1;
        } else {
            size_t end = pos_;
            while (end < content_.size() && content_[end] != ',' && content_[end] != '\r' &&
                   content_[end] != '\n') {
                ++end;
            }
            text = content_.substr(pos_, end - pos_);
            pos_ = end;
        }
        if (pos_ < content_.size() && content_[pos_] == ',') {
            ++pos_;
        } else {
            atLineEnd_ = true;
            pos_ = std::min(content_.find('\n', pos_), content_.size() - 1) + 1;
        }
        return {text, quoted};
    }
    size_t Offset() const { return pos_; }

private:
    std::string_view content_;
    size_t pos_;
    bool atLineEnd_ = false;
};

// A record as a save stores it: every field trimmed of blanks and every
// integer in its plain form, so that "03" and "3" name one row and a text with
// blanks around it holds the value a save keeps. Its place is what comes
// before `placeLength`: the section, the item (or group) and the integers
// after it up to its first text; a record without a text carries one value and
// goes by its item alone.
struct Content {
    std::string stored;
    size_t placeLength = 0;
    bool choice = true; // integers only
    bool blank = true;  // every text empty

    std::string_view Place() const { return std::string_view(stored).substr(0, placeLength); }
    std::string_view Value() const { return std::string_view(stored).substr(placeLength); }

    void Append(const Field& field) {
        const std::string_view text = Tools::TrimBlanks(field.text);
        int value = 0;
        const bool integer = FieldReader::ParseInteger(text, value) == std::errc();
        if (field.quoted || !integer) {
            choice = false;
            blank = blank && text.empty();
        }
        if (integer) {
            char plain[16];
            stored.append(plain, std::to_chars(plain, plain + sizeof plain, value).ptr);
        } else {
            stored += text;
        }
    }
};

// Fills `content` (whose buffer it reuses) with the record of section
// `number` whose fields `fields` gives.
template <class Fields> void ReadContent(int number, Fields&& fields, Content& content) {
    content.stored.clear();
    content.choice = true;
    content.blank = true;
    content.stored += std::to_string(number);
    content.stored += ':';
    content.Append(fields.Next());
    const size_t itemEnd = content.stored.size();
    while (!fields.AtEnd() && !fields.NextQuoted()) {
        content.stored += ',';
        content.Append(fields.Next());
    }
    content.placeLength = fields.AtEnd() ? itemEnd : content.stored.size();
    while (!fields.AtEnd()) {
        content.stored += ',';
        content.Append(fields.Next());
    }
    content.blank = content.blank && !content.choice;
}

template <class Fields> Content ContentOf(int number, Fields&& fields) {
    Content content;
    ReadContent(number, fields, content);
    return content;
}

size_t Hash(std::string_view text) {
    return std::hash<std::string_view>()(text);
}

// A choice that asks for what `written` holds: the same integers, save that
// -1 (no selection) takes whatever stands in its place.
bool SameChoice(std::string_view applied, std::string_view written) {
    while (!applied.empty() && !written.empty()) {
        // Both begin with the comma before their next integer.
        const size_t appliedEnd = std::min(applied.find(',', 1), applied.size());
        const size_t writtenEnd = std::min(written.find(',', 1), written.size());
        const std::string_view field = applied.substr(0, appliedEnd);
        if (field != ",-1" && field != written.substr(0, writtenEnd)) {
            return false;
        }
        applied.remove_prefix(appliedEnd);
        written.remove_prefix(writtenEnd);
    }
    return applied.empty() && written.empty();
}

// A project file as the writers wrote it: every record as a save stores it,
// and the value of every choice by its place.
class WrittenRecords {
public:
    explicit WrittenRecords(std::string_view content) {
        Content written;
        for (size_t pos = 0; pos < content.size();) {
            WrittenFields fields(content, pos);
            const int number = SectionNumber(fields.Next().text);
            if (number != 0 && !fields.AtEnd()) {
                ReadContent(number, fields, written);
                stored_.push_back(Hash(written.stored));
                if (written.choice) {
                    choices_.emplace(written.Place(), written.Value());
                }
            }
            while (!fields.AtEnd()) {
                fields.Next();
            }
            pos = fields.Offset();
        }
        std::sort(stored_.begin(), stored_.end());
    }

    // Whether a record stored so, by a hash of its stored form, was written.
    bool Holds(size_t stored) const {
        return std::binary_search(stored_.begin(), stored_.end(), stored);
    }

    bool HoldsChoice(std::string_view place, std::string_view value) const {
        const auto found = choices_.find(std::string(place));
        return found != choices_.end() && SameChoice(value, found->second);
    }

private:
    std::vector<size_t> stored_; // sorted
    std::unordered_map<std::string, std::string> choices_;
};

} // namespace

void AppliedRecords::Add(int number, int line, const FieldReader& record, const FieldReader& end,
                         SkippedRecords& skipped) {
    const Content content = ContentOf(number, ReadFields(record, end.Offset()));
    const Applied applied{number,
                          line,
                          record,
                          end.Offset(),
                          Hash(content.Value()),
                          Hash(content.stored),
                          content.choice,
                          content.blank};
    const auto [place, first] = byPlace_.try_emplace(Hash(content.Place()), records_.size());
    if (first) {
        records_.push_back(applied);
        return;
    }
    Applied& earlier = records_[place->second];
    // The same record twice loses nothing.
    if (earlier.value != applied.value) {
        skipped.Add([&, earlierLine = earlier.line] {
            return RecordNames::Named("The value of line " + std::to_string(earlierLine) +
                                          ", replaced by a second record for the same field",
                                      line, Section(number), record);
        });
    }
    earlier = applied;
}

void AppliedRecords::CountUnsaved(std::string_view saved, SkippedRecords& skipped) const {
    const WrittenRecords written(saved);
    std::vector<const Applied*> unsaved;
    for (const Applied& applied : records_) {
        if (applied.blank || written.Holds(applied.stored)) {
            continue;
        }
        if (applied.choice) {
            const Content content =
                ContentOf(applied.number, ReadFields(applied.record, applied.end));
            if (written.HoldsChoice(content.Place(), content.Value())) {
                continue;
            }
        }
        unsaved.push_back(&applied);
    }
    std::sort(unsaved.begin(), unsaved.end(), [](const Applied* a, const Applied* b) {
        return a->record.Offset() < b->record.Offset();
    });
    for (const Applied* applied : unsaved) {
        skipped.Add([applied] {
            return RecordNames::Named("A value that a save would not write back", applied->line,
                                      Section(applied->number), applied->record);
        });
    }
}

} // namespace ProjectFileFormat
