# tvorka1_ready_pixels(TARGET picture|icon FILE NAME) compiles the pixels of a stored picture or
# icon into TARGET as artwork::NAME, declared in <NAME.h>, so that the program decodes nothing at
# start. The tool runs where the build runs: a build for another platform makes it for this one.
if(CMAKE_CROSSCOMPILING)
    include(ExternalProject)
    set(_host "${PROJECT_BINARY_DIR}/host/ready_pixels")
    set(TVORKA1_READY_PIXELS "${_host}/tvorka1_ready_pixels${CMAKE_HOST_EXECUTABLE_SUFFIX}")
    ExternalProject_Add(tvorka1_ready_pixels_host
        SOURCE_DIR "${PROJECT_SOURCE_DIR}/generators/ready_pixels"
        BINARY_DIR "${_host}"
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
        INSTALL_COMMAND ""
        BUILD_ALWAYS TRUE # its own build sees when its source changed
        BUILD_BYPRODUCTS "${TVORKA1_READY_PIXELS}")
    set(TVORKA1_READY_PIXELS_DEPENDS tvorka1_ready_pixels_host "${TVORKA1_READY_PIXELS}")
else()
    add_subdirectory(generators/ready_pixels)
    set(TVORKA1_READY_PIXELS "$<TARGET_FILE:tvorka1_ready_pixels>")
    set(TVORKA1_READY_PIXELS_DEPENDS tvorka1_ready_pixels)
endif()

function(tvorka1_ready_pixels target kind file name)
    # The browser fetches the program before it draws: its pictures go as runs of one colour.
    if(EMSCRIPTEN AND kind STREQUAL "picture")
        set(kind picture-runs)
    endif()
    set(dir "${CMAKE_CURRENT_BINARY_DIR}/ready_pixels")
    file(MAKE_DIRECTORY "${dir}")
    add_custom_command(OUTPUT "${dir}/${name}.h" "${dir}/${name}.cpp"
        COMMAND "${TVORKA1_READY_PIXELS}" ${kind} "${CMAKE_CURRENT_SOURCE_DIR}/${file}" ${name} "${dir}/${name}"
        DEPENDS ${TVORKA1_READY_PIXELS_DEPENDS} "${file}" VERBATIM)
    target_sources(${target} PRIVATE "${dir}/${name}.h" "${dir}/${name}.cpp")
    target_include_directories(${target} PUBLIC "${dir}")
endfunction()
