# Copies the site's static files into the build folder.
file(GLOB files ${SOURCE}/*)
file(COPY ${files} DESTINATION ${TARGET})
