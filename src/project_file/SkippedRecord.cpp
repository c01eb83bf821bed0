#include "project_file/SkippedRecord.h"

#include "platform/AppError.h"
#include "project_file/FieldReader.h"

#include <string>

namespace SkippedRecord {

void Skip(std::string_view why) {
    throw AppError(ReadError::RecordSkipped, std::string(why));
}

void CheckFlag(int flag) {
    if (flag != 0 && flag != 1) {
        Skip(NotAFlag);
    }
}

} // namespace SkippedRecord
