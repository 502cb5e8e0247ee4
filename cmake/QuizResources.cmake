# Quiz data coded at build time by the authoring tool (the host copy in the Windows builds).

# The player's link and footer texts (Windows-1252 once coded; at most 24 and 42 characters).
set(JORVO_LINK_TEXT "https://jorvo.fr" CACHE STRING "Address shown and opened by the header's link")
set(JORVO_FOOTER_TEXT "Un quiz Jorvo" CACHE STRING "Text of the main window's footer")

# jorvo_builtin_block(<target>): adds the built-in block (kBuiltInBlock) to <target>.
function(jorvo_builtin_block target)
    set(out ${CMAKE_BINARY_DIR}/generated/builtin_block.cpp)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/generated)
    if(NOT TARGET jorvo_builtin_block_source)
        add_custom_command(OUTPUT ${out}
            COMMAND ${JORVO_HOST_MAKER} builtin "${JORVO_LINK_TEXT}" "${JORVO_FOOTER_TEXT}" ${out}
            DEPENDS ${JORVO_HOST_MAKER_TARGET} ${JORVO_HOST_MAKER}
            COMMENT "Coding the built-in block"
            VERBATIM)
        add_custom_target(jorvo_builtin_block_source DEPENDS ${out})
    endif()
    target_sources(${target} PRIVATE ${out})
    add_dependencies(${target} jorvo_builtin_block_source)
endfunction()

# jorvo_quiz_resources(<target> SOURCE <file.quiz> [SCRAMBLE]): codes the quiz and adds its resources
# (PATCH 104 and 105, the pictures, sounds or films, the reward pictures) to <target>, an executable or
# a resource-only DLL.
function(jorvo_quiz_resources target)
    cmake_parse_arguments(Q "SCRAMBLE" "SOURCE" "" ${ARGN})
    if(NOT Q_SOURCE)
        message(FATAL_ERROR "jorvo_quiz_resources(${target}): SOURCE is required")
    endif()
    get_filename_component(source ${Q_SOURCE} ABSOLUTE)
    get_filename_component(sourceDir ${source} DIRECTORY)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}-quiz)
    file(MAKE_DIRECTORY ${out})
    set(flags)
    if(Q_SCRAMBLE)
        set(flags --scramble)
    endif()
    # The media files sit beside the quiz source: any change there codes the quiz again.
    file(GLOB_RECURSE neighbours CONFIGURE_DEPENDS ${sourceDir}/*)
    add_custom_command(OUTPUT ${out}/quiz.rc ${out}/patch104.bin ${out}/patch105.bin
        COMMAND ${JORVO_HOST_MAKER} code ${source} ${out} ${flags}
        DEPENDS ${neighbours} ${JORVO_HOST_MAKER_TARGET} ${JORVO_HOST_MAKER}
        COMMENT "Coding the quiz ${source}"
        VERBATIM)
    target_sources(${target} PRIVATE ${out}/quiz.rc)
endfunction()

# Quiz programs packed from the player template (what the build ships and the end-to-end tests run).
include(${CMAKE_CURRENT_LIST_DIR}/PackedQuiz.cmake)
