# The window-free part of the project file, shared by the program's build and
# the separate fuzzing build.
set(PROJECT_FILE_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/AppliedRecords.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DropInletRecords.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CulvertRecords.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FieldEncoding.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FieldReader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GeneralDesignRecords.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PlungeBasinRecords.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProjectFileFormat.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RecordNames.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RecordWriter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScourHoleRecords.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkippedRecord.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RiprapBasinRecords.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SiteIDRecords.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StandardDesignsRecords.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TaperedInletRecords.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Tools.cpp
    ${CMAKE_CURRENT_LIST_DIR}/USGSMavo1987Records.cpp
    ${CMAKE_CURRENT_LIST_DIR}/USGSRunoffRecords.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VoskRunoffChartRecords.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TWCrossSectionRecords.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TWQDepthRecords.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TWRatingCurveRecords.cpp
)
