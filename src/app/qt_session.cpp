#include "app/qt_session.h"

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace kvx::app {

void ensureRuntimeDirectory() {
    if (std::getenv("XDG_RUNTIME_DIR") != nullptr) return;
    const std::string dir = "/tmp/kurvadex-runtime-" + std::to_string(getuid());
    mkdir(dir.c_str(), 0700);
    struct stat st {};
    if (stat(dir.c_str(), &st) == 0 && st.st_uid == getuid() && (st.st_mode & 0077) == 0)
        setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
}

}  // namespace kvx::app
