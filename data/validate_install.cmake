# Run as a test: cmake -DBUILD_DIR=... -DSTAGE=... -DAPPSTREAMCLI=... -P validate_install.cmake
# Installs into a scratch prefix and lets appstreamcli check the result as a software centre
# would see it: the metainfo itself, and that the desktop entry it launches is installed.

file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()
execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net ${STAGE} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate-tree failed on ${STAGE}")
endif()
