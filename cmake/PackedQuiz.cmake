# Quiz programs made the way an author makes them: `jorvo-maker pack` writes the quiz into a copy of the
# player template (shell/CMakeLists.txt builds it as the target jorvo_template).

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(JORVO_ARCH x86_64)
else()
    set(JORVO_ARCH i686)
endif()

# jorvo_ship_template_beside_makers(<template target>): copies the built template beside the host
# jorvo-maker of this build, so that it packs without --template. (The native build makes both templates
# itself: JORVO_PLAYER_TEMPLATES, cmake/PlayerTemplates.cmake.)
function(jorvo_ship_template_beside_makers target)
    set(folder ${CMAKE_BINARY_DIR}/host-tools/tools)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${target}> ${folder}/
        VERBATIM)
endfunction()

# jorvo_packed_quiz(<name> SOURCE <file.quiz> OUTPUT <program.exe> [SCRAMBLE]): a target <name> that packs
# the quiz (media beside the source) into <program.exe> at build time, with the host jorvo-maker.
function(jorvo_packed_quiz name)
    cmake_parse_arguments(Q "SCRAMBLE" "SOURCE;OUTPUT" "" ${ARGN})
    if(NOT Q_SOURCE OR NOT Q_OUTPUT)
        message(FATAL_ERROR "jorvo_packed_quiz(${name}): SOURCE and OUTPUT are required")
    endif()
    get_filename_component(source ${Q_SOURCE} ABSOLUTE)
    get_filename_component(sourceDir ${source} DIRECTORY)
    set(flags)
    if(Q_SCRAMBLE)
        set(flags --scramble)
    endif()
    # The media files sit beside the quiz source: any change there packs the quiz again.
    file(GLOB_RECURSE neighbours CONFIGURE_DEPENDS ${sourceDir}/*)
    add_custom_command(OUTPUT ${Q_OUTPUT}
        COMMAND ${JORVO_HOST_MAKER} pack ${source} -o ${Q_OUTPUT} --template $<TARGET_FILE:jorvo_template> ${flags}
        DEPENDS ${neighbours} ${JORVO_HOST_MAKER_TARGET} ${JORVO_HOST_MAKER} jorvo_template
        COMMENT "Packing the quiz ${source}"
        VERBATIM)
    add_custom_target(${name} ALL DEPENDS ${Q_OUTPUT})
    # Where the program is, for $<TARGET_PROPERTY:<name>,JORVO_PROGRAM> (a custom target has no TARGET_FILE).
    set_target_properties(${name} PROPERTIES JORVO_PROGRAM ${Q_OUTPUT})
endfunction()
