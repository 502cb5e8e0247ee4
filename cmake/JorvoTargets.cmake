# Helpers shared by every subsystem's CMakeLists.

set(JORVO_RESULTS_DIR "${CMAKE_BINARY_DIR}/results" CACHE PATH "Where test programs write their XML reports")
file(MAKE_DIRECTORY "${JORVO_RESULTS_DIR}")

# Flags every target of ours gets: warnings are errors. Every compiler stores a literal's bytes as they
# are written, and no literal holds a non-ASCII byte (the literals_are_ascii test): the program's
# Windows-1252 texts spell such bytes as \x escapes, so every build carries the same texts.
function(jorvo_defaults target)
    target_compile_features(${target} PUBLIC cxx_std_17)
    target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Werror>)
    if(WIN32)
        target_compile_definitions(${target} PRIVATE
            STRICT WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
    endif()
endfunction()

# The player's own code in the Windows builds: no exceptions and no run-time type information, in
# separate sections so that the linker drops what nothing calls. Nothing in the player throws or
# catches, and leaving out the C++ runtime's exception support keeps the program small.
function(jorvo_player_code target)
    if(WIN32)
        target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-rtti>
                               -ffunction-sections -fdata-sections)
    endif()
endfunction()

# A GoogleTest program run by ctest; natively it runs as is, in the Windows builds through Wine.
# Usage: jorvo_add_gtest(name SOURCES a.cpp b.cpp [LIBS x y] [RESOURCES r.rc] [TIMEOUT s])
function(jorvo_add_gtest name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;RESOURCES" ${ARGN})
    add_executable(${name} ${T_SOURCES} ${T_RESOURCES})
    jorvo_defaults(${name})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    # Under Wine the report path must be a Windows one: the Unix root is drive Z:.
    set(report ${JORVO_RESULTS_DIR}/${name}.xml)
    if(CMAKE_CROSSCOMPILING AND WIN32)
        set(report Z:${report})
    endif()
    add_test(NAME ${name} COMMAND ${name} --gtest_output=xml:${report}
             WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
endfunction()

# Adds every child folder of the current source folder that has a CMakeLists.txt, in name order.
function(jorvo_add_child_folders)
    file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
    list(SORT children)
    foreach(child IN LISTS children)
        if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
            add_subdirectory(${child})
        endif()
    endforeach()
endfunction()
