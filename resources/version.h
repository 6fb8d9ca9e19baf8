// The product's version, in one place: the About titles are built from it.
#pragma once

#define TAVRIN_VERSION_MAJOR 2
#define TAVRIN_VERSION_MINOR 0
#define TAVRIN_VERSION_LETTER 'd'       // the daybook
#define TAVRIN_SAVER_VERSION_LETTER 'b' // the screen saver
