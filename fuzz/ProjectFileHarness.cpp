#include "ProjectFileHarness.h"

#include "platform/AppError.h"
#include "project_file/FieldReader.h"
#include "project_file/ProjectFileFormat.h"

namespace ProjectFileHarness {

Outcome Read(std::string_view bytes) {
    Outcome outcome;
    ProjectFileFormat::SectionTable sections;
    sections.Register(1, {{}, [&outcome](FieldReader& in) {
                              SiteIDRecords::ReadRecord(
                                  in, [&outcome](int item, const std::string& text) {
                                      outcome.site[item - 1] = text;
                                  });
                          }});
    FieldReader in(bytes);
    try {
        if (ProjectFileFormat::CheckHeader(in) != ProjectFileFormat::HeaderCheck::ProjectFile) {
            return outcome;
        }
        ProjectFileFormat::ReadProject(in, sections);
        outcome.result = Result::Complete;
    } catch (const AppError& error) {
        outcome.result = Result::Failed;
        outcome.error = error.description;
    }
    return outcome;
}

} // namespace ProjectFileHarness
