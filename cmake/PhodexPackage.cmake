# SPDX-License-Identifier: MIT
# `make package`: a Debian package of what `cmake --install` puts in place,
# its library dependencies computed from the programs by dpkg-shlibdeps.
set(PHODEX_MAINTAINER "The Phodex developers <phodex@phodex.example>" CACHE STRING
    "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME phodex)
set(CPACK_PACKAGE_VENDOR "The Phodex developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "download whole photo albums from photo and shop sites")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Phodex downloads whole photo albums from about forty photo, social and shop sites in bulk: "
       "type an album, profile, shop or product address and it lists the owner's albums and "
       "downloads the pictures of the chosen ones, one folder per album. phodex-cli does the same "
       "without a window.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${PHODEX_HOMEPAGE})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${PHODEX_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(PHODEX_GUI)
  # What the window loads at run time rather than links: its platform
  # plugins (the browser's helper process comes with the libraries' symbols)
  # and Qt's own translations, so that its dialogs' buttons speak the program's language.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-noto-cjk")
endif()
include(CPack)
