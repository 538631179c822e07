#include "cli/Commands.h"

#include "cli/WriteFailure.h"
#include "params/ParameterFileCodec.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace cli {

namespace {

const char* const kEncodeHelp = "usage: krt-cli encode <file> <out.BIN> [--yes]\n\n"
                                "Encodes plain parameter text into an encoded parameter file. An existing\n"
                                "<out.BIN> is replaced only with --yes.\n";

const char* const kDecodeHelp =
    "usage: krt-cli decode <file.BIN> [<out>] [--yes]\n\n"
    "Writes the plain text of an encoded parameter file to <out>, or prints it. An\n"
    "existing <out> is replaced only with --yes. A file that does not decode to\n"
    "parameter text (a plain \".TXT\", any other file) is refused.\n";

/// Parameter text starts with a section header.
bool isParameterText(std::string_view text)
{
    return trimmed(text).starts_with('[');
}

/// Writes the output in one step, refusing to replace a file without --yes.
int writeOutput(const Options& options, const std::string& path, const std::string& bytes, std::ostream& err)
{
    const DriveMap noDrives;
    FileSystem files(noDrives);
    if (files.exists(path) && !options.yes) {
        err << "krt-cli: " << path << " exists; --yes replaces it\n";
        return kFailure;
    }
    if (!files.writeFile(path, bytes)) {
        err << "krt-cli: " << path << " was not written: " << writeFailureCause(files, path)
            << "\n";
        return kFailure;
    }
    return kOk;
}

std::optional<std::string> readInput(const std::string& path, std::ostream& err)
{
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        err << "krt-cli: " << path << ": no such file\n";
        return std::nullopt;
    }
    auto bytes = readParameterBytes(path);
    if (!bytes)
        err << "krt-cli: " << path
            << ": cannot be read as a parameter file (a regular file of at most 1 MiB)\n";
    return bytes;
}

int runDecode(const Options& options, const Environment&, std::ostream& out, std::ostream& err)
{
    if (options.positional.empty() || options.positional.size() > 2) {
        err << kDecodeHelp;
        return kUsage;
    }
    const auto bytes = readInput(options.positional[0], err);
    if (!bytes)
        return kFailure;
    const std::string text = ParameterFileCodec::decode(*bytes);
    if (!isParameterText(text)) {
        err << "krt-cli: " << options.positional[0]
            << ": not an encoded parameter file (it does not decode to a \"[\" section)"
            << (isParameterText(*bytes) ? "; it is plain parameter text already" : "") << "\n";
        return kFailure;
    }
    if (options.positional.size() == 1) {
        out << text;
        return kOk;
    }
    return writeOutput(options, options.positional[1], text, err);
}

int runEncode(const Options& options, const Environment&, std::ostream&, std::ostream& err)
{
    if (options.positional.size() != 2) {
        err << kEncodeHelp;
        return kUsage;
    }
    const auto text = readInput(options.positional[0], err);
    if (!text)
        return kFailure;
    if (!isParameterText(*text)) {
        err << "krt-cli: " << options.positional[0]
            << ": not plain parameter text (it does not start with a \"[\" "
            << "section)"
            << (isParameterText(ParameterFileCodec::decode(*text)) ? "; it is encoded already" : "") << "\n";
        return kFailure;
    }
    return writeOutput(options, options.positional[1], ParameterFileCodec::encode(*text), err);
}

} // namespace

const Command kDecodeCommand{
    "decode", "an encoded parameter file as plain text", kDecodeHelp, {"--yes"}, runDecode};
const Command kEncodeCommand{
    "encode", "plain parameter text into an encoded file", kEncodeHelp, {"--yes"}, runEncode};

} // namespace cli
