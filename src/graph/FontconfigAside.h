#pragma once

#include <thread>

// Has fontconfig read its configuration and font cache on another core while Qt starts and
// connects to the display: the first text laid out needs them, and both take some milliseconds.
// Make it before the application and wait for it after.
class FontconfigAside {
public:
    FontconfigAside();
    ~FontconfigAside() { wait(); }
    FontconfigAside(const FontconfigAside&) = delete;
    FontconfigAside& operator=(const FontconfigAside&) = delete;

    // Returns when fontconfig is ready; Qt's font database, filled afterwards, then finds it so.
    void wait();

private:
    std::thread reading_;
};
