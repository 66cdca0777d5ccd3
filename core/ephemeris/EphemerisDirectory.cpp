#include "ephemeris/EphemerisDirectory.h"

#include <swephexp.h>

#include <atomic>
#include <cstdlib>
#include <mutex>

#ifndef VELMORA_SWE_DATA_DIR
#define VELMORA_SWE_DATA_DIR "/usr/share/libswe/ephe"
#endif

namespace velmora {

namespace {

std::mutex chosenLock;
std::string chosen;  // guarded by chosenLock
std::atomic<unsigned> choices{0};

}  // namespace

void ChooseEphemerisDirectory(std::string directory) {
    {
        const std::lock_guard<std::mutex> lock(chosenLock);
        chosen = std::move(directory);
    }
    choices.fetch_add(1, std::memory_order_release);
}

std::string EphemerisDirectory() {
    {
        const std::lock_guard<std::mutex> lock(chosenLock);
        if (!chosen.empty()) return chosen;
    }
    if (const char* fromEnvironment = std::getenv("SE_EPHE_PATH"); fromEnvironment && *fromEnvironment)
        return fromEnvironment;
    return VELMORA_SWE_DATA_DIR;
}

unsigned EphemerisDirectoryChoice() { return choices.load(std::memory_order_acquire); }

namespace {

thread_local std::string inUse;  // the library's path on this thread
thread_local bool pathSet = false;

}  // namespace

void UseEphemerisDirectory(const std::string& directory) {
    if (pathSet && inUse == directory) return;
    swe_set_ephe_path(directory.c_str());
    inUse = directory;
    pathSet = true;
}

void ForgetDirectoryInUse() { pathSet = false; }

}  // namespace velmora
