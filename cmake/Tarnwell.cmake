# tw_computation_library(NAME SOURCES...): standard C++ only, no Qt.
function(tw_computation_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    set_target_properties(${name} PROPERTIES AUTOMOC OFF)
endfunction()

# tw_ui_library(NAME SOURCES...): windows and reports, on Qt.
function(tw_ui_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC Qt6::Widgets Qt6::PrintSupport)
endfunction()

# tw_test(NAME SOURCES... LIBS libs...): a GoogleTest executable run by ctest.
# Computation tests link gtest_main; tests that need Qt link tw_test_support_qt,
# whose main() creates the QApplication (offscreen under ctest).
function(tw_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
    # A test that waits on a window nobody answers must fail, not stall the run.
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()
