# galvane_add_test(NAME SOURCES files... LIBS libs... [WIDGETS])
# One GoogleTest executable per folder, registered with CTest as one test.
# WIDGETS runs the tests inside a QApplication on the offscreen platform.
# With BUILD_TESTING off (the package build) the executable is left out of the build.
function(galvane_add_test name)
    cmake_parse_arguments(ARG "WIDGETS" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    if(NOT BUILD_TESTING)
        set_target_properties(${name} PROPERTIES EXCLUDE_FROM_ALL TRUE)
    endif()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
    if(ARG_WIDGETS)
        target_link_libraries(${name} PRIVATE galvane_platform_testing)
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0;UBSAN_OPTIONS=print_stacktrace=1"
        TIMEOUT 600)
endfunction()
