# make package: a Debian package of the installed layout (packaging/install.cmake), built by
# CPack. Its Depends are worked out by dpkg-shlibdeps from the libraries the programs link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvel-3r10)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorvel")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorvel maintainers <maintainers@quorvel.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quorvel.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its own translations, which give the standard buttons and dialogs the interface language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "analyzer of a daily three-digit numbers lottery")
# The long description, English and then Russian; CPack puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Keeps the archive of past draws, studies it with about 145 statistic methods,
narrows the 1000 combinations with filters and automated scenarios, tests the
scenarios on past draws, makes and checks stakes and ranks their sources by hits
and profit. A desktop program (quorvel-3r10) and a command line (quorvel).
.
Анализатор ежедневной лотереи трех чисел: архив тиражей, около 145 методов
статистики, фильтры и сценарии, тесты на прошлых тиражах, ставки и рейтинг
их источников. Программа с окнами (quorvel-3r10) и командная строка (quorvel).")
include(CPack)
