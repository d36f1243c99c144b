# Runs tessary-cli once and compares what it writes with the expected files,
# byte for byte. Called by ctest as
#   cmake -DPROGRAM=... [-DEMULATOR=...] -DARGS=a|b|c -DEXIT_CODE=N
#         -DEXPECTED_OUT=file|- -DEXPECTED_ERR=file|- -DOUTPUT=prefix -P run_cli.cmake
# from the folder of the input files; "-" expects nothing on that stream.
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${args}
                OUTPUT_FILE ${OUTPUT}.out
                ERROR_FILE ${OUTPUT}.err
                RESULT_VARIABLE code)
if(NOT code STREQUAL EXIT_CODE)
    message(FATAL_ERROR "tessary-cli ${args}: exit code ${code}, expected ${EXIT_CODE}")
endif()
foreach(stream out err)
    string(TOUPPER ${stream} name)
    set(expected ${EXPECTED_${name}})
    if(expected STREQUAL "-")
        file(SIZE ${OUTPUT}.${stream} size)
        if(NOT size EQUAL 0)
            file(READ ${OUTPUT}.${stream} text)
            message(FATAL_ERROR "tessary-cli ${args}: expected nothing on std${stream}, got:\n${text}")
        endif()
    else()
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT}.${stream} ${expected}
                        RESULT_VARIABLE differ)
        if(differ)
            message(FATAL_ERROR "tessary-cli ${args}: std${stream} (${OUTPUT}.${stream}) differs from ${expected}")
        endif()
    endif()
endforeach()
