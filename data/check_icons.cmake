# Run as a test: cmake -DDESKTOP_FILE=... -DICON_TREE=... -P check_icons.cmake
# The desktop entry names its icon; a desktop finds it only if a picture of that exact name
# sits in every size folder, and a picture of the wrong size there shows up blurred.

file(STRINGS ${DESKTOP_FILE} icon_line REGEX "^Icon=")
string(REGEX REPLACE "^Icon=" "" icon_name "${icon_line}")
if(icon_name STREQUAL "")
    message(FATAL_ERROR "${DESKTOP_FILE} names no icon")
endif()

set(faults "")
foreach(size 16 32 48 64 128 256)
    set(png ${ICON_TREE}/${size}x${size}/apps/${icon_name}.png)
    if(NOT EXISTS ${png})
        string(APPEND faults "\n  missing: ${png}")
        continue()
    endif()
    # A PNG starts with an 8-byte signature and the IHDR chunk: width and height as 32-bit
    # big-endian numbers at offsets 16 and 20.
    file(READ ${png} header HEX LIMIT 24)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 32 8 width_hex)
    string(SUBSTRING "${header}" 40 8 height_hex)
    math(EXPR width "0x${width_hex}")
    math(EXPR height "0x${height_hex}")
    if(NOT signature STREQUAL "89504e470d0a1a0a")
        string(APPEND faults "\n  not a PNG: ${png}")
    elseif(NOT width EQUAL size OR NOT height EQUAL size)
        string(APPEND faults "\n  ${width}x${height} instead of ${size}x${size}: ${png}")
    endif()
endforeach()
if(faults)
    message(FATAL_ERROR "Icon '${icon_name}' does not fit the hicolor tree:${faults}")
endif()
