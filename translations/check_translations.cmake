# The translations are complete, and in step with the code: lupdate run on the code over a copy
# of every .ts must leave it as committed, and no language but English (which only gives the
# plural forms) may have an unfinished or empty entry.
#   cmake -DLUPDATE=... -DSOURCE_DIR=... -DWORK_DIR=... -DLANGUAGES="de;fr;..." -P check_translations.cmake
file(GLOB_RECURSE sources ${SOURCE_DIR}/ui/*.cpp ${SOURCE_DIR}/ui/*.h ${SOURCE_DIR}/records/*.cpp
     ${SOURCE_DIR}/records/*.h)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(failures "")
string(REPLACE "," ";" LANGUAGES "${LANGUAGES}")
foreach(language en ${LANGUAGES})
    set(ts ${SOURCE_DIR}/translations/fieldclear_${language}.ts)
    file(COPY ${ts} DESTINATION ${WORK_DIR})
    execute_process(COMMAND ${LUPDATE} -silent -locations none -no-obsolete -I ${SOURCE_DIR} ${sources}
                            -ts ${WORK_DIR}/fieldclear_${language}.ts
                    RESULT_VARIABLE failed)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${ts}
                            ${WORK_DIR}/fieldclear_${language}.ts RESULT_VARIABLE differs)
    if(failed OR differs)
        string(APPEND failures "fieldclear_${language}.ts is not what lupdate makes of the code "
               "(a text added, changed or dropped): build the target update_translations\n")
    endif()
    file(READ ${ts} text)
    if(NOT language STREQUAL "en" AND text MATCHES "type=\"unfinished\"|<numerusform></numerusform>")
        string(APPEND failures "fieldclear_${language}.ts has texts not yet translated\n")
    endif()
endforeach()
if(failures)
    message(FATAL_ERROR "${failures}")
endif()
