# Copies the program data from SOURCE into the program folder TARGET.
# settings.dat there belongs to whoever runs the program once it exists:
# the shipped one only takes the place of a missing one.
file(COPY ${SOURCE}/ DESTINATION ${TARGET} PATTERN settings.dat EXCLUDE)
if(NOT EXISTS ${TARGET}/settings.dat)
  file(COPY ${SOURCE}/settings.dat DESTINATION ${TARGET})
endif()
