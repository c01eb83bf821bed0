#pragma once

#include <cstddef>
#include <string_view>

// What a line of a project file holds, read from the line's own characters.
// The header lines and the end record are known by what their line holds,
// wherever the line stands and however the read came to it: the header check,
// the dispatch loop and the notes on records that ran over lines all ask here.
namespace ProjectFileFormat {

enum class LineHolds {
    Nothing,   // blanks and empty fields only
    Signature, // a first field that holds the signature, in any letter case
    Units,     // a first field that holds the units word, in any letter case
    Version,   // a first field that is the version word, in any letter case
    EndRecord, // a first field that is the end record, in any letter case
    Other,     // a record, or a field that begins none
};

// Whether `field` is the end record's word, in any letter case, blanks
// around it or not.
bool IsEndRecord(std::string_view field);

// What a line that holds more than blanks holds, whose first field, trimmed
// of blanks, is `field`.
LineHolds HoldsOfFirstField(std::string_view field);

// Whether `field`, a field as the file holds it (from its first character to
// the comma or line end after it), ends in the quoted end record glued to what
// the field holds before it: the end record of a line whose line end was lost.
// A field that is the end record alone is not glued to anything.
bool EndsInJoinedEndRecord(std::string_view field);

// `value`, an unquoted field's value, without the end record glued to its end.
std::string_view WithoutJoinedEndRecord(std::string_view value);

struct FileLine {
    LineHolds holds = LineHolds::Nothing;
    std::string_view first; // the first field's value, trimmed of blanks
    // The end record stands on the line after what it holds first: glued to
    // the end of its last field, or, on a line that is no record, as a field
    // of its own or glued to any field.
    bool endRecordJoined = false;
    size_t next = 0; // where the line after it begins

    bool HoldsEndRecord() const { return holds == LineHolds::EndRecord || endRecordJoined; }
};

// The line of `content` that begins at `start`, read on its own by the rules
// of the file's fields, except that a quote does not run past the line's end.
FileLine ReadLine(std::string_view content, size_t start);

// Whether a line of `content` after the one that `from` stands in, and
// beginning before `to`, holds the end record, each line read on its own.
bool EndRecordOnALineAfter(std::string_view content, size_t from, size_t to);

} // namespace ProjectFileFormat
