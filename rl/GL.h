#pragma once
// OpenGL through AllegroGL's headers (they set up the extension prototypes). Included by rl/ only.
#include <allegro.h>
#include <alleggl.h>
#include <GL/glu.h>
