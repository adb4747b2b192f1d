// Globulon's version number, in one place for the resource script and the program's code.
// The version record reads 2.2.13.0: major, minor, revision, and a build number that stays 0.
#pragma once

#define GLOBULON_VERSION_MAJOR 2
#define GLOBULON_VERSION_MINOR 2
#define GLOBULON_VERSION_REVISION 13
#define GLOBULON_VERSION_BUILD 0

// The version as people read it (About box, file properties).
#define GLOBULON_VERSION_TEXT "2.2.13"

// The four numbers as one list, the form FILEVERSION and PRODUCTVERSION take.
#define GLOBULON_VERSION_NUMBERS                                               \
    GLOBULON_VERSION_MAJOR, GLOBULON_VERSION_MINOR, GLOBULON_VERSION_REVISION, \
        GLOBULON_VERSION_BUILD
