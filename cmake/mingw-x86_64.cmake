# Cross build of the 64-bit player with mingw-w64: the same features and tests as the shipped i686 one,
# run under Wine's 64-bit loader (in a win64 prefix) on every host.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(JORVO_MINGW_PREFIX x86_64-w64-mingw32)
set(JORVO_WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
