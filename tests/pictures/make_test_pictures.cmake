# Makes the pictures the picture tests load from their own executable's resources, and the resource
# script that names them. Run as: cmake -DCONVERT=<ImageMagick convert> -DDATA=<committed PNGs>
#   -DOUT=<folder> -P make_test_pictures.cmake
# The sized pictures are solid areas of known colours, so decoded pixels can be checked by position.

# make_picture([FORMAT:]name convert-arguments...)
function(make_picture name)
    if(name MATCHES "^(.+):(.+)$")
        set(target "${CMAKE_MATCH_1}:${OUT}/${CMAKE_MATCH_2}")
    else()
        set(target "${OUT}/${name}")
    endif()
    execute_process(COMMAND "${CONVERT}" ${ARGN} "${target}"
                    RESULT_VARIABLE failed ERROR_VARIABLE details)
    if(failed)
        message(FATAL_ERROR "convert could not make ${name}: ${details}")
    endif()
endfunction()

# Resource-script raw data for a file with the two nibbles of every byte exchanged, as reward
# pictures are stored: windres has no way to transform a file, so the bytes are written out.
function(nibble_swapped_rc_data file result)
    file(READ "${file}" hex HEX)
    string(REGEX REPLACE "(.)(.)" "\\2\\1" hex "${hex}")
    string(LENGTH "${hex}" length)
    set(lines "")
    set(offset 0)
    while(offset LESS length)
        string(SUBSTRING "${hex}" ${offset} 64 piece)
        string(REGEX REPLACE "(..)" "\\\\x\\1" piece "${piece}")
        string(APPEND lines "    \"${piece}\",\n")
        math(EXPR offset "${offset} + 64")
    endwhile()
    string(REGEX REPLACE ",\n$" "\n" lines "${lines}")
    set(${result} "${lines}" PARENT_SCOPE)
endfunction()

file(MAKE_DIRECTORY "${OUT}")
make_picture(quadrants.jpg -size 320x240 "(" "xc:#FF0000" "xc:#00FF00" +append ")"
             "(" "xc:#0000FF" "xc:#FFFFFF" +append ")" -append -quality 95)
make_picture(wide.gif -size 100x100 "xc:#FF0000" "xc:#0000FF" +append)
make_picture(BMP3:tall.bmp -size 150x300 "xc:#00FF00" "xc:#FFFF00" -append)
make_picture(BMP3:small.bmp -size 100x100 "xc:#FF00FF" -type TrueColor)
make_picture(checker.gif -size 600x600 pattern:gray50)
make_picture(reward.jpg -size 30x30 "xc:#FFFF00" "xc:#00FFFF" +append -quality 95)
make_picture(PNG24:pair.png -size 40x40 "xc:#FF0000" "xc:#0000FF" +append +repage -strip)
file(WRITE "${OUT}/notpicture.txt" "These bytes are no picture of any kind.\n")

nibble_swapped_rc_data("${OUT}/reward.jpg" swapped)
file(WRITE "${OUT}/pictures_test.rc" "// Made by make_test_pictures.cmake.
401 IMG \"${OUT}/quadrants.jpg\"
402 IMG \"${OUT}/wide.gif\"
403 IMG \"${OUT}/tall.bmp\"
404 IMG \"${OUT}/small.bmp\"
405 IMG \"${OUT}/checker.gif\"
450 IMG \"${OUT}/notpicture.txt\"
10000 IMG \"${OUT}/reward.jpg\"
10001 IMG
{
${swapped}}
10002 IMG \"${OUT}/reward.jpg\"

460 RCDATA \"${OUT}/pair.png\"
// A valid header whose image data does not inflate: compression method 7 in the zlib header.
461 RCDATA
{
    \"\\x89PNG\\r\\n\\x1a\\n\",
    \"\\x00\\x00\\x00\\x0dIHDR\\x00\\x00\\x00\\x01\\x00\\x00\\x00\\x01\\x08\\x02\\x00\\x00\\x00\\x90\\x77\\x53\\xde\",
    \"\\x00\\x00\\x00\\x04IDAT\\x77\\x01\\x00\\x00\\x00\\x00\\x00\\x00\",
    \"\\x00\\x00\\x00\\x00IEND\\xae\\x42\\x60\\x82\"
}
462 RCDATA \"${OUT}/notpicture.txt\"
470 RCDATA \"${DATA}/palette2.png\"
471 RCDATA \"${DATA}/rgba8.png\"
472 RCDATA \"${DATA}/grey16.png\"
473 RCDATA \"${DATA}/grey2.png\"
")
