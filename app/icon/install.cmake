# Wires the tvorka1 executable to its version record and installs it.
# Included from the top-level CMakeLists after add_executable(tvorka1 ...).
include_guard(GLOBAL)
include(GNUInstallDirs)

if(WIN32)
    # The icon and VERSIONINFO resources; the file name matches OriginalFilename.
    get_target_property(_tvorka1_rc tvorka1_version TVORKA1_RESOURCE_SCRIPT)
    target_sources(tvorka1 PRIVATE "${_tvorka1_rc}")
    set_target_properties(tvorka1 PROPERTIES OUTPUT_NAME "${PROJECT_NAME}")
    unset(_tvorka1_rc)
endif()

install(TARGETS tvorka1 RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
