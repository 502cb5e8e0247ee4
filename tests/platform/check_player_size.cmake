# Fails when the player file is larger than its budget. Run as
#   cmake -DPLAYER=<jorvo.exe> -DBUDGET=<bytes> -DARCH=<name> -P check_player_size.cmake
if(NOT EXISTS "${PLAYER}")
    message(FATAL_ERROR "no player at ${PLAYER}")
endif()
file(SIZE "${PLAYER}" size)
message(STATUS "player size (${ARCH}): ${size} bytes, budget ${BUDGET}")
if(size GREATER BUDGET)
    message(FATAL_ERROR "the ${ARCH} player is ${size} bytes, over its budget of ${BUDGET}")
endif()
