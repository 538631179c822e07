#include "cli/Commands.h"

#include "params/ParameterFileCodec.h"

#include <fstream>

namespace cli {

const char* const kEncodeHelp =
    "usage: krt-cli encode <file> <out.BIN>\n\nEncodes plain parameter text into an encoded "
               "parameter file.\n";

const char* const kDecodeHelp =
    "usage: krt-cli decode <file.BIN> [<out>]\n\nWrites the plain text of an encoded "
               "parameter file to <out>, or prints it.\n";

int commandDecode(const Options& options, std::ostream& out, std::ostream& err)
{
    if (options.positional.empty() || options.positional.size() > 2) {
        err << kDecodeHelp;
        return kUsage;
    }
    const auto bytes = readWhole(options.positional[0]);
    if (!bytes) {
        err << "krt-cli: cannot read " << options.positional[0] << "\n";
        return kFailure;
    }
    const std::string text = ParameterFileCodec::decode(*bytes);
    if (options.positional.size() == 1) {
        out << text;
        return kOk;
    }
    std::ofstream file(options.positional[1], std::ios::binary | std::ios::trunc);
    file << text;
    if (!file.flush()) {
        err << "krt-cli: cannot write " << options.positional[1] << "\n";
        return kFailure;
    }
    return kOk;
}

int commandEncode(const Options& options, std::ostream& err)
{
    if (options.positional.size() != 2) {
        err << kEncodeHelp;
        return kUsage;
    }
    const auto text = readWhole(options.positional[0]);
    if (!text) {
        err << "krt-cli: cannot read " << options.positional[0] << "\n";
        return kFailure;
    }
    std::ofstream file(options.positional[1], std::ios::binary | std::ios::trunc);
    file << ParameterFileCodec::encode(*text);
    if (!file.flush()) {
        err << "krt-cli: cannot write " << options.positional[1] << "\n";
        return kFailure;
    }
    return kOk;
}

} // namespace cli
