# Run as a test: cmake -DBUILD_DIR=... -DSTAGE=... -DLINTIAN=... -P check_package.cmake
# Builds the Debian package into a scratch folder and lets lintian check it. lintian exits 0
# after warnings, so its report is read too: any line of an error (E:) or a warning (W:) fails.

file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${STAGE}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB package ${STAGE}/*.deb)
if(NOT result EQUAL 0 OR NOT package)
    message(FATAL_ERROR "cpack -G DEB failed:\n${output}")
endif()
execute_process(COMMAND ${LINTIAN} --fail-on error,warning ${package}
                RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_QUIET)
message("${report}")
if(NOT result EQUAL 0 OR report MATCHES "(^|\n)[EW]: ")
    message(FATAL_ERROR "lintian finds errors or warnings in ${package}")
endif()
