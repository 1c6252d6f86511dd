# The program's folders are layers: app/ -> mode/ -> window/ -> runtime/core/, and each backend of
# the runtime over its core; beside them, each library of the build-time generators. A layer's
# targets see their own headers and those of the layers they link, no others, because each layer's
# headers are reached through a folder of the build that holds that layer alone. An include that
# runs the wrong way does not build.
function(tvorka1_layer target)
    file(RELATIVE_PATH folder "${PROJECT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}")
    set(root "${PROJECT_BINARY_DIR}/layers/${folder}")
    set(view "${root}/${folder}")
    get_filename_component(parent "${view}" DIRECTORY)
    file(MAKE_DIRECTORY "${parent}")
    file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}" "${view}" RESULT linked SYMBOLIC)
    if(NOT linked EQUAL 0)
        # Where symbolic links are not allowed (Windows without developer mode), a copy of the
        # headers, made again whenever one of them changes.
        file(GLOB headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
        file(REMOVE_RECURSE "${view}")
        file(COPY ${headers} DESTINATION "${view}")
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${headers})
    endif()
    target_include_directories(${target} PUBLIC "${root}")
endfunction()
