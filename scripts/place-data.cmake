# Copies the factory data folder to DST unless a data folder is already there.
if(NOT EXISTS "${DST}")
  file(COPY "${SRC}/" DESTINATION "${DST}")
  message(STATUS "Factory data folder placed in ${DST}")
endif()
