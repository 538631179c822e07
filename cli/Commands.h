#pragma once

#include "cli/CliSupport.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

/// The commands of krt-cli, one file each, and their help texts.
namespace cli {

extern const char* const kModelsHelp;
extern const char* const kShowHelp;
extern const char* const kCheckHelp;
extern const char* const kWriteHelp;
extern const char* const kDecodeHelp;
extern const char* const kEncodeHelp;

int commandModels(std::ostream& out);
int commandShow(const Options& options, std::ostream& out, std::ostream& err);
int commandCheck(const Options& options, std::ostream& out, std::ostream& err);
int commandWrite(const Options& options, std::ostream& out, std::ostream& err);
int commandDecode(const Options& options, std::ostream& out, std::ostream& err);
int commandEncode(const Options& options, std::ostream& err);

/// Every problem of a parameter text for the model: keys the model's file
/// does not have, keys it lacks, values outside their lists.
std::vector<std::string> problemsOf(const ModelDescriptor& model, std::string_view text);

} // namespace cli
