# The Debian package of what cmake/install.cmake installs, made with CPack
# (scripts/package.sh). Its library dependencies come from dpkg-shlibdeps;
# besides them it needs the two fonts the windows are drawn with (and the
# sans-serif of a load symbol's letter) and Qt's own translations. It has no
# maintainer scripts.
set(BEAM_DEFLECTION_MAINTAINER "beam-deflection maintainers <maintainers@beam-deflection.invalid>" CACHE STRING
    "Maintainer of the Debian package, as Name <address>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME beam-deflection)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${BEAM_DEFLECTION_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "deflection curves of a simply supported beam, for teaching")
set(CPACK_PACKAGE_DESCRIPTION
    "A teaching program for the mechanics of materials. Each of its windows loads\n\
a simply supported beam in one way, such as a concentrated force moved along\n\
it or a uniformly distributed load of growing size; each change of the load\n\
plots the new deflection curve point by point in a colour of its own, so that\n\
the curves can be compared. The interface is in Traditional Chinese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${BEAM_DEFLECTION_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming, fonts-arphic-ukai, fonts-dejavu-core, qt6-translations-l10n")

include(CPack)
