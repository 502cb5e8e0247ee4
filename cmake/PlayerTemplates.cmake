# The player templates the authoring programs make quiz programs from. A Windows authoring program
# carries both (i686 and x86_64) in its own resources, so it needs no file beside it; the native tool
# finds them beside itself or, installed, in share/jorvo/. Each architecture's template not built by
# this build comes from a sub-build that builds that template alone, with the host jorvo-maker of this
# build (so no second host tool is made).

option(JORVO_PLAYER_TEMPLATES "Native build: also build both Windows player templates and install them" OFF)

# jorvo_template_subbuild(<arch>): the target jorvo_template_<arch>, a sub-build of the player template
# for <arch> (i686 or x86_64); JORVO_TEMPLATE_FILE_<arch> is set to the file it makes.
function(jorvo_template_subbuild arch)
    set(binary ${CMAKE_BINARY_DIR}/template-${arch})
    set(file ${binary}/shell/jorvo-template-${arch}.exe)
    set(JORVO_TEMPLATE_FILE_${arch} ${file} PARENT_SCOPE)
    if(TARGET jorvo_template_${arch})
        return()
    endif()
    include(ExternalProject)
    set(launchers)
    foreach(language C CXX)
        if(CMAKE_${language}_COMPILER_LAUNCHER)
            list(APPEND launchers -DCMAKE_${language}_COMPILER_LAUNCHER=${CMAKE_${language}_COMPILER_LAUNCHER})
        endif()
    endforeach()
    ExternalProject_Add(jorvo_template_${arch}
        SOURCE_DIR ${PROJECT_SOURCE_DIR}
        BINARY_DIR ${binary}
        CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-${arch}.cmake
                   -DCMAKE_BUILD_TYPE=Release -DJORVO_TEMPLATE_ONLY=ON -DJORVO_TESTS=OFF
                   -DJORVO_GIVEN_HOST_MAKER=${JORVO_HOST_MAKER} ${launchers}
        BUILD_COMMAND ${CMAKE_COMMAND} --build ${binary} --target jorvo_template
        BUILD_ALWAYS ON
        INSTALL_COMMAND ""
        BUILD_BYPRODUCTS ${file}
        DEPENDS ${JORVO_HOST_MAKER_TARGET})
endfunction()

# jorvo_carry_player_templates(<target>): gives a Windows executable both player templates in its
# resources (type JORVO_TEMPLATE, names I686 and X86_64), where LoadPlayerTemplate finds them.
function(jorvo_carry_player_templates target)
    if(NOT WIN32)
        return()
    endif()
    if(JORVO_ARCH STREQUAL "x86_64")
        set(other i686)
    else()
        set(other x86_64)
    endif()
    jorvo_template_subbuild(${other})
    string(TOUPPER ${JORVO_ARCH} ownName)
    string(TOUPPER ${other} otherName)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}-templates.rc)
    file(GENERATE OUTPUT ${rc} CONTENT
         "${ownName} JORVO_TEMPLATE \"$<TARGET_FILE:jorvo_template>\"\n${otherName} JORVO_TEMPLATE \"${JORVO_TEMPLATE_FILE_${other}}\"\n")
    target_sources(${target} PRIVATE ${rc})
    # The resource compiler reads the two files: the object is rebuilt when either changes.
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS
        "${CMAKE_BINARY_DIR}/shell/jorvo-template-${JORVO_ARCH}.exe;${JORVO_TEMPLATE_FILE_${other}}")
    add_dependencies(${target} jorvo_template jorvo_template_${other})
endfunction()

# jorvo_install_authoring_tool(<target>): `cmake --install` puts the tool in bin/ and, natively with
# JORVO_PLAYER_TEMPLATES, both templates in share/jorvo/ (where the tool looks from bin/), also copied
# beside the built tool so that it packs without --template from the build folder too.
function(jorvo_install_authoring_tool target)
    install(TARGETS ${target} RUNTIME DESTINATION bin)
    if(WIN32 OR NOT JORVO_PLAYER_TEMPLATES)
        return()
    endif()
    set(files)
    foreach(arch i686 x86_64)
        jorvo_template_subbuild(${arch})
        list(APPEND files ${JORVO_TEMPLATE_FILE_${arch}})
    endforeach()
    add_custom_target(jorvo_player_templates ALL
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${files} $<TARGET_FILE_DIR:${target}>
        DEPENDS jorvo_template_i686 jorvo_template_x86_64
        COMMENT "Copying the player templates beside ${target}"
        VERBATIM)
    install(FILES ${files} DESTINATION share/jorvo)
endfunction()
