# Most of a file's compile time goes to parsing Qt's, the standard library's
# and GoogleTest's headers, the same in every file. Each kind of target below
# parses them once, into a precompiled header that a small target of its own
# owns and the others reuse (REUSE_FROM): four in a build, not one per file.
#
# Only headers from outside the project belong here: a change to one of them
# rebuilds everything that uses the kind. GCC uses a precompiled header only
# where the macros it looked at are defined as they were when it was made;
# -Winvalid-pch (added by CMake) says so in the build log when not.
option(SPINORA_PCH "Precompile the common Qt, standard library and test headers" ON)

set(SPINORA_PCH_core
  <algorithm> <array> <atomic> <cerrno> <cmath> <cstdint> <cstdio> <cstring> <functional> <map>
  <memory> <mutex> <optional> <set> <string> <unordered_map> <utility> <vector>
  <QByteArray> <QCoreApplication> <QDateTime> <QDir> <QDirIterator> <QFile> <QFileInfo> <QHash>
  <QImage> <QList> <QLocale> <QObject> <QPointer> <QRectF> <QRegularExpression> <QSet>
  <QStandardPaths> <QString> <QStringList> <QTimer> <QUrl> <QVariant>)
set(SPINORA_PCH_widgets ${SPINORA_PCH_core}
  <QAbstractItemView> <QAbstractListModel> <QAction> <QApplication> <QButtonGroup> <QCheckBox>
  <QComboBox> <QDateTimeEdit> <QDialog> <QDialogButtonBox> <QFileDialog> <QFormLayout>
  <QGridLayout> <QHBoxLayout> <QHeaderView> <QIcon> <QKeyEvent> <QLabel> <QLineEdit>
  <QMainWindow> <QMenu> <QMenuBar> <QMessageBox> <QPainter> <QPainterPath> <QPixmap>
  <QPlainTextEdit> <QPushButton> <QRadioButton> <QScrollBar> <QStyledItemDelegate> <QTabWidget>
  <QToolBar> <QToolButton> <QTreeView> <QVBoxLayout> <QWidget>)
# What the tests add: GoogleTest. Not QtTest: its headers look at the folder
# each test program defines for itself (QT_TESTCASE_BUILDDIR), and GCC
# refuses a precompiled header made with another one.
set(SPINORA_PCH_TEST_EXTRA <QBuffer> <QElapsedTimer> <QProcess> <QTemporaryDir>
  <gtest/gtest.h> <gmock/gmock.h>)
set(SPINORA_PCH_test ${SPINORA_PCH_core} ${SPINORA_PCH_TEST_EXTRA})
set(SPINORA_PCH_widget_test ${SPINORA_PCH_widgets} ${SPINORA_PCH_TEST_EXTRA})

# The libraries each kind's headers come from (and their compile definitions,
# which must be those of the targets reusing it).
set(SPINORA_PCH_LIBS_core Qt6::Core Qt6::Gui)
set(SPINORA_PCH_LIBS_widgets Qt6::Core Qt6::Gui Qt6::Widgets)
set(SPINORA_PCH_LIBS_test Qt6::Core Qt6::Gui GTest::gtest GTest::gmock)
set(SPINORA_PCH_LIBS_widget_test Qt6::Core Qt6::Gui Qt6::Widgets GTest::gtest GTest::gmock)

# spinora_precompile(<target> core|widgets|test|widget_test)
function(spinora_precompile target kind)
  if(NOT SPINORA_PCH)
    return()
  endif()
  set(owner spinora_pch_${kind})
  if(NOT TARGET ${owner})
    add_library(${owner} OBJECT ${PROJECT_SOURCE_DIR}/cmake/PrecompiledOwner.cpp)
    target_link_libraries(${owner} PRIVATE ${SPINORA_PCH_LIBS_${kind}})
    target_precompile_headers(${owner} PRIVATE ${SPINORA_PCH_${kind}})
    # Its checksum for ccache (CCACHE_PCH_EXTSUM, set in scripts/common.sh):
    # hashing the header itself for each file doubled a cold build's time.
    set(pch_dir ${CMAKE_CURRENT_BINARY_DIR}/CMakeFiles/${owner}.dir)
    get_property(multi_config GLOBAL PROPERTY GENERATOR_IS_MULTI_CONFIG)
    if(multi_config)
      string(APPEND pch_dir "/$<CONFIG>")
    endif()
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
      set(pch ${pch_dir}/cmake_pch.hxx.pch)
    else()
      set(pch ${pch_dir}/cmake_pch.hxx.gch)
    endif()
    add_custom_command(OUTPUT ${pch}.sum
      COMMAND ${CMAKE_COMMAND} -DPCH=${pch} -P ${PROJECT_SOURCE_DIR}/cmake/PrecompiledChecksum.cmake
      DEPENDS ${owner} ${pch} VERBATIM)
    add_custom_target(${owner}_checksum DEPENDS ${pch}.sum)
  endif()
  target_precompile_headers(${target} REUSE_FROM ${owner})
  add_dependencies(${target} ${owner}_checksum)
endfunction()
