# The program's folders are layers: app/ -> mode/ -> window/ -> runtime/. A layer's targets see
# their own headers and those of the layers they link, no others, because each layer's headers
# are reached through a folder of the build that holds that layer alone. An include that runs
# the wrong way does not build.
function(tvorka1_layer target)
    file(RELATIVE_PATH folder "${PROJECT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}")
    set(root "${PROJECT_BINARY_DIR}/layers/${folder}")
    file(MAKE_DIRECTORY "${root}")
    file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}" "${root}/${folder}" SYMBOLIC)
    target_include_directories(${target} PUBLIC "${root}")
endfunction()
