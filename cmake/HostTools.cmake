# The Windows builds run the native authoring tool at build time (to code the quiz data), so they build
# a native copy of it first in a sub-build of their own.
# A sub-build of the player template alone is handed the host tool of the build that made it.
if(JORVO_GIVEN_HOST_MAKER)
    set(JORVO_HOST_MAKER ${JORVO_GIVEN_HOST_MAKER})
    set(JORVO_HOST_MAKER_TARGET)
elseif(CMAKE_CROSSCOMPILING)
    include(ExternalProject)
    set(JORVO_HOST_MAKER ${CMAKE_BINARY_DIR}/host-tools/tools/jorvo-maker)
    ExternalProject_Add(jorvo_host_tools
        SOURCE_DIR ${PROJECT_SOURCE_DIR}
        BINARY_DIR ${CMAKE_BINARY_DIR}/host-tools
        CMAKE_ARGS -DJORVO_HOST_TOOLS_ONLY=ON -DJORVO_TESTS=OFF -DCMAKE_BUILD_TYPE=Release
        BUILD_ALWAYS ON
        INSTALL_COMMAND ""
        BUILD_BYPRODUCTS ${JORVO_HOST_MAKER})
    set(JORVO_HOST_MAKER_TARGET jorvo_host_tools)
else()
    set(JORVO_HOST_MAKER $<TARGET_FILE:jorvo-maker>)
    set(JORVO_HOST_MAKER_TARGET jorvo-maker)
endif()
