#include "platform/Debug.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

void debugOut(std::string_view line)
{
    static const bool enabled = [] {
        const char* flag = std::getenv("KRT_DEBUG");
        return flag && std::strcmp(flag, "1") == 0;
    }();
    if (enabled)
        std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
}
