# How Vrek installs on a Linux desktop, and its Debian package (README,
# packaging notes):
#   cmake --install build [--prefix /usr/local]
#   cd build && cpack -G DEB
#
# The program looks beside itself for the solver `bridge` and for the guides,
# so the three live together in lib/vrek; bin/vrek points there. A desktop
# entry, an icon and the MIME type of series files make it a desktop program:
# found in the applications menu, opening a .vrk file on a double click.

set(VREK_INSTALL_DIR lib/vrek)
set(dist ${CMAKE_SOURCE_DIR}/dist/linux)

install(TARGETS vrek bridge RUNTIME DESTINATION ${VREK_INSTALL_DIR})
# The batch front hands the window and the drawing commands to vrek-qt beside it.
if(TARGET vrek-qt)
  install(TARGETS vrek-qt RUNTIME DESTINATION ${VREK_INSTALL_DIR})
endif()
install(FILES ${VREK_GUIDE_PDFS} DESTINATION ${VREK_INSTALL_DIR})

# A relative link, right under any prefix and in the package's tree.
file(CREATE_LINK ../${VREK_INSTALL_DIR}/vrek ${CMAKE_BINARY_DIR}/vrek-bin-link SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/vrek-bin-link DESTINATION bin RENAME vrek)

# The manual page of the batch commands, in French as the program (no other
# language exists, so it is the page every locale finds), and the package's
# licence and changelog. Compressed without names or dates, as Debian wants.
set(VREK_MAINTAINER "Vrek <contact@vrek.fr>" CACHE STRING "Maintainer named in the Debian package")
configure_file(${dist}/vrek.1.in ${CMAKE_BINARY_DIR}/vrek.1 @ONLY)
add_executable(mkchangelog ${CMAKE_SOURCE_DIR}/dist/debian/mkchangelog.cpp)
target_link_libraries(mkchangelog PRIVATE vreklogic)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/vrek.1.gz
  COMMAND gzip -9nkf ${CMAKE_BINARY_DIR}/vrek.1
  DEPENDS ${CMAKE_BINARY_DIR}/vrek.1
  VERBATIM)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
  COMMAND mkchangelog vrek ${VREK_MAINTAINER} ${CMAKE_BINARY_DIR}/changelog
  COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/changelog
  DEPENDS mkchangelog
  VERBATIM)
add_custom_target(packagedocs ALL DEPENDS ${CMAKE_BINARY_DIR}/vrek.1.gz ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/vrek.1.gz DESTINATION share/man/man1)
install(FILES ${CMAKE_SOURCE_DIR}/dist/debian/copyright ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION share/doc/vrek)

install(FILES ${dist}/vrek.desktop DESTINATION share/applications)
install(FILES ${dist}/vrek.xml DESTINATION share/mime/packages)
install(FILES ${dist}/icons/vrek.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${dist}/icons/vrek.svg DESTINATION share/icons/hicolor/scalable/mimetypes RENAME application-x-vrek.svg)
foreach(size 48 128 256)
  install(FILES ${dist}/icons/vrek-${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME vrek.png)
endforeach()

# The Debian package. The desktop's own packages refresh the menu, the MIME
# database and the icon cache through their dpkg triggers.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vrek)
set(CPACK_PACKAGE_VENDOR Vrek)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${VREK_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "distributeur de donnes de bridge pour le directeur de tournoi et l'enseignant")
set(CPACK_PACKAGE_DESCRIPTION "Vrek tient une série de 96 donnes de bridge, construites carte par carte
ou distribuées au hasard sous contraintes, et produit ce qu'un tournoi ou un
cours demande : fichiers pour les machines à distribuer (Duplimate, HandyDup,
Dealer4) et les logiciels de bridge (PBN, LIN, DAT, EASI, RTF), feuilles de
mains, diagrammes commentés, fiches ambulantes, étiquettes, statistiques,
vérification du contrat au double mort et présentation au vidéoprojecteur.
Interface en français.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not a game (those go in /usr/games): a tool for club directors and teachers.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# What the program needs at run time beyond the libraries it links: the
# platform plugins (xcb and offscreen come with libqt6gui6), the fonts it asks
# for by name, and the toolkit's French dialogs. dpkg-shlibdeps names the
# linked libraries with their versions; without it they are named here.
set(runtime "qt6-qpa-plugins, fonts-liberation2, fonts-urw-base35, fonts-dejavu-core, fonts-inter, qt6-translations-l10n")
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${runtime}")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libqt6core6, libqt6gui6, libqt6widgets6, libqt6printsupport6, libqt6network6, libdds0, libsodium23, libx11-6, ${runtime}")
endif()
# The guides open in the desktop's PDF viewer, links in its browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "evince | pdf-viewer")
include(CPack)
