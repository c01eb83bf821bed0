#include "project_file/StoredRecord.h"

#include "project_file/FieldEncoding.h"
#include "project_file/FieldReader.h"
#include "project_file/Tools.h"

#include <algorithm>
#include <functional>
#include <string>

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

// A field as a save stores it.
struct StoredField {
    uint64_t hash;
    bool integer;
    int value;  // when an integer
    bool text;  // quoted, or no integer
    bool empty; // no character left
};

// The run of the few digits that rows, columns and items have, from `pos`,
// read as FieldReader::ParseInteger reads them: where it ends, or npos for
// none or for more than nine (which could pass 32 bits).
size_t ReadDigits(std::string_view text, size_t pos, int& value) {
    constexpr size_t MostDigits = 9;
    const size_t start = pos;
    int digits = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        if (pos - start == MostDigits) {
            return std::string_view::npos;
        }
        digits = 10 * digits + (text[pos++] - '0');
    }
    if (pos == start) {
        return std::string_view::npos;
    }
    value = digits;
    return pos;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

StoredField Stored(const RecordFields::Field& field) {
    int digits = 0;
    if (ReadDigits(field.text, 0, digits) == field.text.size()) {
        return {Mix(static_cast<uint32_t>(digits)), true, digits, field.quoted, false};
    }
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

} // namespace

StoredRecord StoredRecordOf(int number, RecordFields& fields, bool placeOnly) {
    StoredRecord record;
    const auto take = [&record, &fields] {
        const StoredField field = Stored(fields.Next());
        if (field.text) {
            record.choice = false;
            record.blank = record.blank && field.empty;
        }
        return field;
    };
    // The place's integers, while every field of it is one.
    IntegerPlace integers;
    const auto count = [&integers](const StoredField& field) {
        if (field.integer && integers.size < IntegerPlace::MaxFields) {
            integers.fields[integers.size++] = field.value;
        } else {
            integers.size = IntegerPlace::MaxFields + 1;
        }
    };
    const StoredField item = take();
    count(item);
    const uint64_t itemPlace = Extend(Mix(static_cast<uint64_t>(number)), item.hash);
    uint64_t whole = itemPlace;
    const size_t afterItem = fields.Offset();
    while (!fields.AtEnd() && !fields.NextQuoted()) {
        const StoredField field = take();
        count(field);
        whole = Extend(whole, field.hash);
    }
    if (fields.AtEnd()) {
        record.place = itemPlace;
        integers.size = item.integer ? 1 : 0;
        record.valueOffset = afterItem;
    } else {
        record.place = whole;
        record.valueOffset = fields.Offset();
        while (!placeOnly && !fields.AtEnd()) {
            whole = Extend(whole, take().hash);
        }
    }
    if (integers.size <= IntegerPlace::MaxFields) {
        record.integerPlace = integers;
    }
    record.whole = whole;
    record.blank = record.blank && !record.choice;
    return record;
}

StoredRecord StoredRecordOf(int number, std::string_view fields, bool placeOnly) {
    RecordFields read(fields);
    return StoredRecordOf(number, read, placeOnly);
}

std::optional<IntegerPlace> PlainPlaceOf(std::string_view fields) {
    IntegerPlace place;
    size_t pos = 0;
    while (place.size < IntegerPlace::MaxFields) {
        pos = ReadDigits(fields, pos, place.fields[place.size++]);
        if (pos == std::string_view::npos) {
            return std::nullopt;
        }
        if (pos < fields.size() && fields[pos] == ',') {
            if (++pos < fields.size() && fields[pos] == '"') {
                return place;
            }
            continue;
        }
        const std::string_view rest = fields.substr(pos);
        if (rest.empty() || rest == "\r\n" || rest == "\n" || rest == "\r") {
            place.size = 1;
            return place;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

bool SameValueCharacters(int number, std::string_view a, std::string_view b) {
    RecordFields valueA(a.substr(StoredRecordOf(number, a, true).valueOffset));
    RecordFields valueB(b.substr(StoredRecordOf(number, b, true).valueOffset));
    while (!valueA.AtEnd() && !valueB.AtEnd()) {
        if (valueA.Next().text != valueB.Next().text) {
            return false;
        }
    }
    return valueA.AtEnd() && valueB.AtEnd();
}

std::vector<int> ChoiceOf(RecordFields fields) {
    std::vector<int> values;
    fields.Next();
    while (!fields.AtEnd()) {
        values.push_back(Stored(fields.Next()).value);
    }
    return values;
}

} // namespace ProjectFileFormat
