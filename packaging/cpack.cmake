# Packages of the installed tree: cpack -G DEB in the build folder gives a .deb for Debian 12.
set(CPACK_PACKAGE_NAME strelbishte)
set(CPACK_PACKAGE_CONTACT "Strelbishte Team <team@strelbishte.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pistol-shooting trainer on an outdoor range")
set(CPACK_PACKAGE_DESCRIPTION "A desktop pistol-shooting simulator with a Bulgarian interface: aim
with the mouse at five plates, fire with a click, and see every shot scored and
marked on a paper target.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries are found by scanning the program; the scan cannot see the fonts that the Bulgarian
# captions are drawn in, nor the sound server that plays the shots.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse")

include(CPack)
