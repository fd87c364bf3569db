#include "graph/FontconfigAside.h"

#include <fontconfig/fontconfig.h>

FontconfigAside::FontconfigAside()
    : reading_([] { FcInit(); }) {}

void FontconfigAside::wait() {
    if (reading_.joinable())
        reading_.join();
}
