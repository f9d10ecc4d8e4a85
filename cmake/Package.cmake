# The Debian package: "cpack -G DEB" in a build folder (see "make deb") makes
# skyvane_<version>_<arch>.deb from the install rules, with the dependencies dpkg-shlibdeps finds.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME skyvane)
set(CPACK_PACKAGE_VENDOR Corvidane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Corvidane <skyvane@corvidane.com>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SKYVANE_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade shooter up a river valley")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Skyvane is an arcade shooter seen from above. You fly a small aircraft up a\n"
    "river valley over 30 levels and destroy boats, helicopters, enemy planes,\n"
    "tanks, buildings and bridges with your cannon and homing missiles, while\n"
    "they fire back. Ten kinds of bonus, checkpoints that survive a restart,\n"
    "player profiles and a top ten; mouse, keyboard or gamepad.")
# The package's folders are root's and readable by all, whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
