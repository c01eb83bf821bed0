#include "project_file/AppliedRecords.h"

#include "project_file/RecordNames.h"
#include "project_file/Tools.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <unordered_set>
#include <vector>

namespace ProjectFileFormat {
namespace {

// A record as a save stores it, split at its place: every field trimmed of
// blanks and every integer in its plain form, so that "03" and "3" name one
// row and a text with blanks around it holds the value a save keeps.
struct Content {
    std::string place;
    std::string value;
    bool choice = true; // integers only
    bool blank = true;  // every text empty
};

std::optional<int> AsInteger(std::string_view text) {
    const size_t start = !text.empty() && text.front() == '-' ? 1 : 0;
    if (text.size() == start || text.find_first_not_of("0123456789", start) != text.npos) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// The next field as a save stores it; notes in `content` whether it is a text.
std::string ReadStored(FieldReader& record, Content& content) {
    const bool quoted = record.NextFieldQuoted();
    std::string text = Tools::TrimBlanks(record.ReadText());
    const std::optional<int> integer = AsInteger(text);
    if (quoted || !integer) {
        content.choice = false;
        content.blank = content.blank && text.empty();
    }
    return integer ? std::to_string(*integer) : text;
}

// The record of section `number` whose fields run from `record` to `end`.
Content ContentOf(int number, FieldReader record, size_t end) {
    Content content;
    content.place = std::to_string(number) + ":" + ReadStored(record, content);
    std::string indexes;
    while (record.Offset() < end && !record.NextFieldQuoted()) {
        indexes += "," + ReadStored(record, content);
    }
    // A record without a text carries one value and goes by its item alone.
    if (record.Offset() < end) {
        content.place += indexes;
    } else {
        content.value = indexes;
    }
    while (record.Offset() < end) {
        content.value += "," + ReadStored(record, content);
    }
    content.blank = content.blank && !content.choice;
    return content;
}

size_t Hash(const std::string& text) {
    return std::hash<std::string>()(text);
}

int SectionOf(std::string_view marker) {
    for (int number = 1; number <= NumSections; ++number) {
        if (Section(number).marker == marker) {
            return number;
        }
    }
    return 0;
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

// A project file as the writers wrote it, one record to a line: every record
// as a save stores it, and the value of every choice by its place.
struct WrittenRecords {
    std::unordered_set<size_t> stored;
    std::unordered_map<std::string, std::string> choices;

    explicit WrittenRecords(std::string_view content) {
        FieldReader in(content);
        while (!in.AtEnd()) {
            const int number = SectionOf(in.ReadText());
            const FieldReader record = in;
            while (!in.AtEnd() && !in.AtLineStart()) {
                in.ReadText();
            }
            if (number != 0) {
                Content written = ContentOf(number, record, in.Offset());
                stored.insert(Hash(written.place + written.value));
                if (written.choice) {
                    choices.emplace(std::move(written.place), std::move(written.value));
                }
            }
        }
    }

    bool HoldsChoice(const std::string& place, std::string_view value) const {
        const auto found = choices.find(place);
        return found != choices.end() && SameChoice(value, found->second);
    }
};

} // namespace

void AppliedRecords::Add(int number, int line, const FieldReader& record, const FieldReader& end,
                         SkippedRecords& skipped) {
    Content content = ContentOf(number, record, end.Offset());
    const Applied applied{number,
                          line,
                          record,
                          end.Offset(),
                          Hash(content.value),
                          Hash(content.place + content.value),
                          content.choice,
                          content.blank};
    const auto [earlier, first] = byPlace_.try_emplace(std::move(content.place), applied);
    if (first) {
        return;
    }
    // The same record twice loses nothing.
    if (earlier->second.value != applied.value) {
        skipped.Add([&, earlierLine = earlier->second.line] {
            return RecordNames::Named("The value of line " + std::to_string(earlierLine) +
                                          ", replaced by a second record for the same field",
                                      line, Section(number), record);
        });
    }
    earlier->second = applied;
}

void AppliedRecords::CountUnsaved(std::string_view saved, SkippedRecords& skipped) const {
    const WrittenRecords written(saved);
    std::vector<const Applied*> unsaved;
    for (const auto& [place, applied] : byPlace_) {
        if (applied.blank || written.stored.contains(applied.stored)) {
            continue;
        }
        if (applied.choice &&
            written.HoldsChoice(place,
                                ContentOf(applied.number, applied.record, applied.end).value)) {
            continue;
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
