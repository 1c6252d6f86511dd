# Tvorka1 in the browser: the page and its style sheet, the program (tvorka1.js and tvorka1.wasm)
# and the icons, all in the build's top folder, which any static web server can serve as it is.
# `cmake --install` copies these files alone to the prefix, the folder to publish.
set(TVORKA1_SITE_ICONS tvorka1.ico tvorka1-16.png tvorka1-32.png tvorka1-48.png)
foreach(icon IN LISTS TVORKA1_SITE_ICONS)
    configure_file("${PROJECT_SOURCE_DIR}/app/icon/${icon}" "${PROJECT_BINARY_DIR}/${icon}" COPYONLY)
endforeach()
configure_file("${CMAKE_CURRENT_LIST_DIR}/index.html.in" "${PROJECT_BINARY_DIR}/index.html" @ONLY)
configure_file("${CMAKE_CURRENT_LIST_DIR}/tvorka1.css" "${PROJECT_BINARY_DIR}/tvorka1.css" COPYONLY)

target_link_options(tvorka1 PRIVATE
    -sENVIRONMENT=web
    # Nothing is read or written: no file system, only the console for the error report's line.
    -sFILESYSTEM=0
    -sALLOW_MEMORY_GROWTH=0)

install(FILES "${PROJECT_BINARY_DIR}/index.html" "${PROJECT_BINARY_DIR}/tvorka1.css" "${PROJECT_BINARY_DIR}/tvorka1.js"
    "${PROJECT_BINARY_DIR}/tvorka1.wasm" DESTINATION .)
foreach(icon IN LISTS TVORKA1_SITE_ICONS)
    install(FILES "${PROJECT_BINARY_DIR}/${icon}" DESTINATION .)
endforeach()
