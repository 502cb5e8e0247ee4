# Cross build of the shipped 32-bit player with mingw-w64; programs run under Wine's 32-bit loader (where
# the host can execute 32-bit code at all: the test script checks that before it runs this build's tests).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(JORVO_MINGW_PREFIX i686-w64-mingw32)
set(JORVO_WINE_LOADER /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
