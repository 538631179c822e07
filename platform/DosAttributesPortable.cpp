// Systems without FAT attribute ioctls or extended attributes (WebAssembly,
// among others) keep no hidden or system bits: files read as plain ones.
#include "platform/DosAttributes.h"

namespace DosAttributes {

unsigned read(const std::string&)
{
    return 0;
}

void write(const std::string&, unsigned) {}

} // namespace DosAttributes
