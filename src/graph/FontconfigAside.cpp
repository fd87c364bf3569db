#include "graph/FontconfigAside.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

FontconfigAside::FontconfigAside() {
    try {
        reading_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to be had: Qt reads the configuration itself when it first needs it.
    }
}

void FontconfigAside::wait() {
    if (reading_.joinable())
        reading_.join();
}
