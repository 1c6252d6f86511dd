# Tvorka1 in the browser: the page and its style sheet, the program (tvorka1.js and tvorka1.wasm)
# and the icons, all in the build's top folder, which any static web server can serve as it is;
# and beside them tvorka1.html, the same page in one file, to hand out and open from disk.
# `cmake --install` copies these files alone to the prefix, the folder to publish.
set(TVORKA1_SITE_ICONS tvorka1.ico tvorka1-16.png tvorka1-32.png tvorka1-48.png)
foreach(icon IN LISTS TVORKA1_SITE_ICONS)
    configure_file("${PROJECT_SOURCE_DIR}/app/icon/${icon}" "${PROJECT_BINARY_DIR}/${icon}" COPYONLY)
endforeach()
configure_file("${CMAKE_CURRENT_LIST_DIR}/index.html.in" "${PROJECT_BINARY_DIR}/index.html" @ONLY)
configure_file("${CMAKE_CURRENT_LIST_DIR}/tvorka1.css" "${PROJECT_BINARY_DIR}/tvorka1.css" COPYONLY)

# The same program with its WebAssembly inside the script, in a folder of its own.
add_executable(tvorka1_single "${PROJECT_SOURCE_DIR}/app/main.cpp")
target_link_libraries(tvorka1_single PRIVATE tvorka1_program ${TVORKA1_RUNTIME_BACKEND})
target_link_options(tvorka1_single PRIVATE -sSINGLE_FILE=1)
# Newer emscripten writes the WebAssembly as raw bytes in a string, whose carriage returns an HTML
# page's parser would turn into line feeds: base64, where the setting exists.
include(CheckLinkerFlag)
check_linker_flag(CXX -sSINGLE_FILE_BINARY_ENCODE=0 TVORKA1_SINGLE_FILE_ENCODES)
if(TVORKA1_SINGLE_FILE_ENCODES)
    target_link_options(tvorka1_single PRIVATE -sSINGLE_FILE_BINARY_ENCODE=0)
endif()
set_target_properties(tvorka1_single PROPERTIES OUTPUT_NAME tvorka1 RUNTIME_OUTPUT_DIRECTORY "${PROJECT_BINARY_DIR}/single")
find_program(TVORKA1_NODE NAMES node nodejs REQUIRED)
set(single_inputs "${PROJECT_BINARY_DIR}/index.html" "${PROJECT_BINARY_DIR}/tvorka1.css"
    "${PROJECT_BINARY_DIR}/single/tvorka1.js" "${PROJECT_SOURCE_DIR}/app/icon/tvorka1-32.png")
add_custom_command(OUTPUT "${PROJECT_BINARY_DIR}/tvorka1.html"
    COMMAND "${TVORKA1_NODE}" "${CMAKE_CURRENT_LIST_DIR}/single.js" ${single_inputs} "${PROJECT_BINARY_DIR}/tvorka1.html"
    DEPENDS "${CMAKE_CURRENT_LIST_DIR}/single.js" ${single_inputs} tvorka1_single
    COMMENT "The page in one file: tvorka1.html")
add_custom_target(tvorka1_html ALL DEPENDS "${PROJECT_BINARY_DIR}/tvorka1.html")

set(site_files index.html tvorka1.html tvorka1.css tvorka1.js tvorka1.wasm ${TVORKA1_SITE_ICONS})
list(TRANSFORM site_files PREPEND "${PROJECT_BINARY_DIR}/")
install(FILES ${site_files} DESTINATION .)
