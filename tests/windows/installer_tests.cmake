# The Windows installer under Wine, in a fresh prefix: silent install, the installed program's
# window, silent uninstall with nothing left. Included from the Windows build's tests, after
# packaging/windows/installer.cmake; the build makes the installer (target tvorka1_installer).
if(NOT TVORKA1_INSTALLER_MSI)
    message(FATAL_ERROR "include packaging/windows/installer.cmake before the installer's tests")
endif()
add_test(NAME tst_installer COMMAND bash "${CMAKE_CURRENT_LIST_DIR}/tst_installer.sh" "${TVORKA1_INSTALLER_MSI}")
# About 20 s, 35 s on a loaded machine; lib.sh ends the test itself at TEST_DEADLINE, and cleans up.
set_tests_properties(tst_installer PROPERTIES LABELS windows TIMEOUT 150 ENVIRONMENT TEST_DEADLINE=120)
