#pragma once

#include <string>
#include <vector>

class FieldReader;
class RecordWriter;

// The USGS 1987 section. Its records carry no item number: a group (0 the
// drainage areas and their total, 1 the discharges), an index from 1 and a
// text. A fault in one of its records ends the whole read.
namespace USGSMavo1987Records {

// What the writer stores, as the window shows it.
struct Data {
    std::vector<std::string> drainageAreas; // region 1 first
    std::string totalDA;
    std::vector<std::string> qs; // the Q column, grid rows 1 to the last
};

// Every text trimmed and escaped as in the other sections, so that a double
// quote typed into a box cannot end its field early; a text without one is
// stored trimmed, as it always was.
void Write(RecordWriter& out, const Data& data);

// The window as the reader sees it. The reader calls the setters only with
// indexes inside the counts given.
class Target {
public:
    virtual ~Target() = default;

    virtual int Regions() const = 0;
    virtual void SetDrainageArea(int region, const std::string& text) = 0; // region from 1
    virtual void SetTotalDA(const std::string& text) = 0;
    virtual int ReturnPeriods() const = 0;
    virtual void SetQ(int row, const std::string& text) = 0; // row from 1
};

// Reads the three fields after the marker, then applies them; a group or
// index out of range changes nothing and is skipped as SkippedRecord says,
// for Open to report.
void ReadRecord(FieldReader& in, Target& target);

} // namespace USGSMavo1987Records
