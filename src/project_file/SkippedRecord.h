#pragma once

#include <string_view>

// What a section reader does with a record that it reads but cannot apply,
// because its item, index, row or value names nothing in the window: it
// throws, and the read counts the record as skipped, names it and goes on.
// A Save would write the project without what such a record holds.
namespace SkippedRecord {

inline constexpr std::string_view UnknownItem = "No such item";
inline constexpr std::string_view UnknownGroupOrIndex = "No such group or index";
inline constexpr std::string_view OutsideGrid = "A row or column outside its grid";
inline constexpr std::string_view OutsideBoxes = "An index outside its boxes";
inline constexpr std::string_view OutsideList = "A position outside its list";
inline constexpr std::string_view OutsideOptions = "An option outside its buttons";
inline constexpr std::string_view NotAFlag = "A flag other than 0 or 1";
inline constexpr std::string_view NotATick = "A Use tick other than CHECKED or NOTCHECKED";
inline constexpr std::string_view NoSuchDesign = "A selected design outside its grid";
inline constexpr std::string_view NotInCatalogue =
    "A culvert type, inlet or standard size that the catalogue does not hold";

// Ends the record, which the read then reports as skipped for `why`.
[[noreturn]] void Skip(std::string_view why);

// Skips a record whose flag, already applied as "not 1", is neither 0 nor 1.
void CheckFlag(int flag);

} // namespace SkippedRecord
