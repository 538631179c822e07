#include "platform/Debug.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

void debugOut(std::string_view line)
{
    // Asked at every line: a developer (or a test) may switch it on at any time.
    const char* flag = std::getenv("KRT_DEBUG");
    if (flag && std::strcmp(flag, "1") == 0)
        std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
}
