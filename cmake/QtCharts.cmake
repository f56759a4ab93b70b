# Qt6::Charts for the history chart. Qt's own package file for it asks for Qt6OpenGL's CMake
# files, which Debian 12 ships in libqt6opengl6-dev, a package qt6-charts-dev does not pull in.
# The library and its headers need only Core, Gui and Widgets, so where that package file cannot
# be loaded the installed library is taken as it is.
find_package(Qt6 QUIET COMPONENTS Charts)
if(NOT TARGET Qt6::Charts)
  find_library(ORVA_QT6_CHARTS_LIBRARY NAMES Qt6Charts REQUIRED)
  find_path(ORVA_QT6_CHARTS_INCLUDE_DIR QtCharts/QChart PATH_SUFFIXES qt6 REQUIRED
    HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_HEADERS})
  add_library(Qt6::Charts SHARED IMPORTED)
  set_target_properties(Qt6::Charts PROPERTIES
    IMPORTED_LOCATION ${ORVA_QT6_CHARTS_LIBRARY}
    INTERFACE_INCLUDE_DIRECTORIES "${ORVA_QT6_CHARTS_INCLUDE_DIR};${ORVA_QT6_CHARTS_INCLUDE_DIR}/QtCharts"
    INTERFACE_LINK_LIBRARIES "Qt6::Core;Qt6::Gui;Qt6::Widgets")
endif()
