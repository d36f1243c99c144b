# Warnings kept high and clean in both builds.
function(tessary_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-missing-field-initializers)
endfunction()

# A room is a folder of portable sources compiled into one static library named
# tessary_<room>. Sources are discovered, never listed by hand. A room without
# sources yet is skipped, so later rooms can depend on it freely.
function(tessary_room name)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${name}/*.cpp)
    if(NOT sources)
        return()
    endif()
    add_library(tessary_${name} STATIC ${sources})
    target_include_directories(tessary_${name} PUBLIC ${CMAKE_SOURCE_DIR})
    tessary_warnings(tessary_${name})
    foreach(dep ${ARGN})
        if(TARGET tessary_${dep})
            target_link_libraries(tessary_${name} PUBLIC tessary_${dep})
        endif()
    endforeach()
endfunction()
