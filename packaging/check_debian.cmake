# The Debian package (debian/) names the release the top CMakeLists names: the newest entry of
# debian/changelog is the display version with a Debian revision, dated the release date, and
# debian/control gives the project's homepage. Run by CTest with SOURCE_DIR, VERSION,
# RELEASE_DATE and HOMEPAGE.
file(STRINGS "${SOURCE_DIR}/debian/changelog" lines REGEX "^ombrelo \\(|^ -- ")
list(GET lines 0 heading)
list(GET lines 1 trailer)
string(REGEX MATCH "^ombrelo \\(([^-)]+)-[0-9]+\\)" _ "${heading}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "debian/changelog: '${heading}' is not version ${VERSION}")
endif()

string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" _ "${RELEASE_DATE}")
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
math(EXPR month_index "${CMAKE_MATCH_2} - 1")
list(GET months ${month_index} month)
set(date "${CMAKE_MATCH_3} ${month} ${CMAKE_MATCH_1}")
if(NOT trailer MATCHES ", ${date} ")
  message(FATAL_ERROR "debian/changelog: '${trailer}' is not dated ${date}")
endif()

file(STRINGS "${SOURCE_DIR}/debian/control" homepage REGEX "^Homepage: ")
if(NOT homepage STREQUAL "Homepage: ${HOMEPAGE}")
  message(FATAL_ERROR "debian/control: '${homepage}' is not ${HOMEPAGE}")
endif()
message(STATUS "debian/ names ${VERSION} of ${RELEASE_DATE}")
