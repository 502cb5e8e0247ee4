set(CMAKE_C_COMPILER ${JORVO_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${JORVO_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${JORVO_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${JORVO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Static runtime: the programs import nothing but Windows system DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# Windows programs run under Wine's own loader for their architecture, never the `wine` wrapper: the
# wrapper tries the 32-bit loader first, which fails on hosts that cannot execute 32-bit code.
set(CMAKE_CROSSCOMPILING_EMULATOR ${JORVO_WINE_LOADER})
