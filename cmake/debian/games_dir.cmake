# Run by CPack once the files are staged: the program moves from bin/ to games/.
set(usr ${CPACK_TEMPORARY_DIRECTORY}/usr)
file(MAKE_DIRECTORY ${usr}/games)
file(RENAME ${usr}/bin/fieldclear ${usr}/games/fieldclear)
file(GLOB left ${usr}/bin/*)
if(NOT left)
    file(REMOVE_RECURSE ${usr}/bin)
endif()
