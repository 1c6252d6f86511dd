# Tvorka1 in the browser: the page and its style sheet, the program (tvorka1.js and tvorka1.wasm)
# and the icons, all in the build's top folder, which any static web server can serve as it is.
# `cmake --install` copies these files alone to the prefix, the folder to publish.
set(TVORKA1_SITE_ICONS tvorka1.ico tvorka1-16.png tvorka1-32.png tvorka1-48.png)
foreach(icon IN LISTS TVORKA1_SITE_ICONS)
    configure_file("${PROJECT_SOURCE_DIR}/app/icon/${icon}" "${PROJECT_BINARY_DIR}/${icon}" COPYONLY)
endforeach()
configure_file("${CMAKE_CURRENT_LIST_DIR}/index.html.in" "${PROJECT_BINARY_DIR}/index.html" @ONLY)
configure_file("${CMAKE_CURRENT_LIST_DIR}/tvorka1.css" "${PROJECT_BINARY_DIR}/tvorka1.css" COPYONLY)

set(site_files index.html tvorka1.css tvorka1.js tvorka1.wasm ${TVORKA1_SITE_ICONS})
list(TRANSFORM site_files PREPEND "${PROJECT_BINARY_DIR}/")
install(FILES ${site_files} DESTINATION .)
